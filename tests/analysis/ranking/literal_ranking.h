#pragma once

// The ranking procedures written out step by step (repeated scans
// and string surgery on a scratch text), kept as the oracle for the direct implementations.

#include <string>
#include <string_view>

#include "analysis/engine/ranking/top_nine.h"

namespace oracle {

analysis::TopNine rankTopNineLiterally(std::string_view resultsText, std::string_view face1Caption);
std::string rankColourResultsLiterally(std::string_view colourResultsText);

}  // namespace oracle
