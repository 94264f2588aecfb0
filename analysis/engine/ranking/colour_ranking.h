#pragma once

#include <string>
#include <string_view>

namespace analysis {

// The new text of ColourResults.tmp: its records (the lines holding an "H", up to the first line
// without one) in ascending order of their colour key, records with equal keys in file order,
// each ending in "£" before its CR LF, then the line "99999".
std::string rankColourRecords(std::string_view colourResultsText);

// ColourResults.tmp when face 1 has no colours: only its closing line.
inline constexpr std::string_view kNoColourResults = "99999\r\n";

}  // namespace analysis
