#include "common/text/strings.h"

#include <cstdio>

#include "common/text/error.h"

namespace common {

std::string LTrim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return LTrim(RTrim(text));
}

std::string Mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start < 1) {
        throw Error(ErrorCode::InvalidCall, "Mid start below 1");
    }
    if (start > text.size()) {
        return {};
    }
    return std::string(text.substr(start - 1, length));
}

std::string Left(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

std::string Right(std::string_view text, std::size_t length) {
    return length >= text.size() ? std::string(text)
                                 : std::string(text.substr(text.size() - length));
}

std::size_t InStr(std::size_t start, std::string_view text, std::string_view what) {
    if (start < 1) {
        throw Error(ErrorCode::InvalidCall, "InStr start below 1");
    }
    if (start > text.size() + 1) {
        return 0;
    }
    const auto found = text.find(what, start - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string Hex(std::int64_t value) {
    char buffer[32];
    const auto bits = static_cast<unsigned long long>(
        value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value));
    std::snprintf(buffer, sizeof buffer, "%llX", bits);
    return buffer;
}

}  // namespace common
