#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace analysis {

// Hair, eye and skin colour values (red + 256 x green + 65536 x blue).
struct FaceColours {
    std::int32_t hair = 0;
    std::int32_t eyes = 0;
    std::int32_t skin = 0;
};

// Reads a colour line "~ hair~ eyes~ skin~": the three values are the texts before the first
// three "~" from the second character on. Nothing when the line has too few "~" or a value
// does not fit 32 bits.
std::optional<FaceColours> parseColourLine(std::string_view line);

}  // namespace analysis
