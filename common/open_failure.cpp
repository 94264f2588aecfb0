#include "common/open_failure.h"

namespace common {

std::string cannotOpenMessage(OpenTarget kind, std::string_view target, std::string_view reason) {
    std::string message = kind == OpenTarget::Page ? "The page " : "The web address ";
    message += target;
    message += " could not be opened: ";
    message += reason;
    message += ". Open it in a web browser by hand.";
    return message;
}

}  // namespace common
