#include "common/text/error.h"

namespace common {

std::string errorDescription(ErrorCode code) {
    switch (code) {
        case ErrorCode::InvalidCall:
            return "Invalid procedure call or argument";
        case ErrorCode::Overflow:
            return "Overflow";
        case ErrorCode::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorCode::DivisionByZero:
            return "Division by zero";
        case ErrorCode::TypeMismatch:
            return "Type mismatch";
        case ErrorCode::FileNotFound:
            return "File not found";
        case ErrorCode::InputPastEnd:
            return "Input past end of file";
        case ErrorCode::DeviceUnavailable:
            return "Device unavailable";
        case ErrorCode::PermissionDenied:
            return "Permission denied";
        case ErrorCode::PathFileAccess:
            return "Path/File access error";
        case ErrorCode::PathNotFound:
            return "Path not found";
        case ErrorCode::InvalidPropertyValue:
            return "Invalid property value";
        case ErrorCode::InvalidPicture:
            return "Invalid picture";
    }
    return "Application-defined error";
}

namespace {
std::string message(ErrorCode code, const std::string& detail) {
    std::string text =
        "Error " + std::to_string(static_cast<int>(code)) + ": " + errorDescription(code);
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text;
}
}  // namespace

Error::Error(ErrorCode code, const std::string& detail)
    : std::runtime_error(message(code, detail)), code_(code), detail_(detail) {}

std::string Error::reason() const {
    // Details of file errors read "<path>: <reason>" or are the path alone; the message names
    // the path already.
    const std::size_t colon = detail_.rfind(": ");
    return colon == std::string::npos ? errorDescription(code_) : detail_.substr(colon + 2);
}

std::string Error::file() const {
    return detail_.substr(0, detail_.rfind(": "));
}

}  // namespace common
