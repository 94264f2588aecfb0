#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace analysis {

// The nine best matches of the last comparison run, place 1 best. Index 0 is unused so that
// places keep their numbers.
struct TopNine {
    std::array<std::string, 10> TopNames;
    std::array<std::string, 10> TopInfos;
    std::array<std::string, 10> TopLinks;
    std::array<std::int16_t, 10> TopTotals{};
    std::array<std::int16_t, 10> TopEyes{};
    std::array<std::int16_t, 10> TopNoses{};
    std::array<std::int16_t, 10> TopMouths{};

    TopNine() { ClearTopNine(); }
    // Every place back to its reset values: name "A", description "a", link "0", scores 0.
    void ClearTopNine();
};

// One record of Results.tmp taken apart.
struct ResultRecord {
    std::string name;
    std::string info;
    std::string link;
    std::int16_t total = 0;
    std::int16_t eyes = 0;
    std::int16_t nose = 0;
    std::int16_t mouth = 0;
};

// Splits a Results.tmp record: name and description at the first " -" (so hyphenated names stay
// whole), the four scores after the first "=", the web address between "[" and "]" when links are
// wanted.
ResultRecord parseResultRecord(std::string_view line, bool withLinks);

// Ranks the records of Results.tmp (its text, up to the line "99999") into the nine places: a
// record goes below every record whose total it does not beat, face 1 never ranks, and a record
// whose total equals place 9's replaces it.
TopNine RankTopNine(std::string_view resultsText, std::string_view face1Caption, bool withLinks);

}  // namespace analysis
