#pragma once

#include <string_view>

namespace common {

// Whether the bytes are well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes);

}  // namespace common
