#pragma once

#include <cstdint>
#include <string_view>

namespace transcribe {

// A colour read with a paint program's eyedropper as red + 256 x green + 65536 x blue. The text
// is hexadecimal RRGGBB after one optional leading "#" (any character past the sixth ignored, a
// position without a hex digit counting 0); in Microsoft Paint mode "r,g,b" with each part rounded
// and held to 0..255, and a text without two commas read as hexadecimal. Nothing is remembered from
// an earlier text.
std::int32_t parseColour(std::string_view text, bool paintMode);

}  // namespace transcribe
