#pragma once

#include <string>
#include <string_view>

namespace common {

enum class OpenTarget { Page, WebAddress };

// What the user is told when the desktop cannot open a page or a web address: the page's full
// path or the whole address, so that it can be opened by hand, and why.
std::string cannotOpenMessage(OpenTarget kind, std::string_view target, std::string_view reason);

}  // namespace common
