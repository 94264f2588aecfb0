#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/engine/pair_scores.h"

namespace analysis {

// The candidate as its records name it.
struct CandidateNames {
    std::string_view name;
    std::string_view info;
    std::string_view urlLine;
};

// One record line of each result record file, CR LF included.
std::string resultsRecord(const CandidateNames& c, const PairScores& s);
std::string results2Record(const CandidateNames& c, const PairScores& s);
std::string heightRecord(const CandidateNames& c, std::int16_t height);
std::string colourRecord(std::string_view key, std::int32_t hair, std::int32_t eyes,
                         std::int32_t skin, std::string_view name, std::string_view info);
std::string profileRecord(std::string_view person2Caption, const PairScores& s);

// The first line of HeightResults.tmp and the line that closes every result record file.
inline constexpr std::string_view kHeightResultsHead = "     \r\n";
inline constexpr std::string_view kListEnd = "99999\r\n";

}  // namespace analysis
