#pragma once

#include <stdexcept>
#include <string>

namespace common {

// Run-time error numbers, shown with their standard wording in error messages.
enum class ErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    InputPastEnd = 62,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

// The one exception type of the suite: a procedure that traps errors catches it, an untrapped one
// reaches the event dispatch, which reports it and abandons the event.
class Error : public std::runtime_error {
  public:
    Error(ErrorCode code, const std::string& detail = {});
    ErrorCode code() const noexcept { return code_; }
    // What the raiser said of the error; for an error of a value rather than a file, its reason
    // ("description holds a line end").
    const std::string& detail() const noexcept { return detail_; }
    // What went wrong, for a message that already names the file: the system's own reason
    // ("No space left on device") where one is known, else the standard wording.
    std::string reason() const;
    // The file a file error names, for a message that names the file and then the reason: the
    // detail before its reason, or the whole detail when it names the file alone.
    std::string file() const;

  private:
    ErrorCode code_;
    std::string detail_;
};

// The standard wording of an error number ("Overflow", "File not found", ...).
std::string errorDescription(ErrorCode code);

}  // namespace common
