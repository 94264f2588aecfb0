#pragma once

#include <cstdint>
#include <string>

namespace analysis {

// Sum of the absolute differences of the red, green and blue components (0 to 765).
std::int32_t ColourDistance(std::int32_t colourA, std::int32_t colourB);

// The colour key of a colour record: the total with zeros in front to three digits; totals of
// 1000 and more keep all four digits, so the ranking never mistakes 1128 for 128.
std::string colourKey(int total);

}  // namespace analysis
