#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// One candidate of a run as the ranking sees it: its own name, description, web address and
// scores.
struct ResultRecord {
    std::string name;
    std::string info;
    std::string link;
    std::int16_t total = 0;
    std::int16_t eyes = 0;
    std::int16_t nose = 0;
    std::int16_t mouth = 0;
};

// The web address a ranked record shows: the text between the first "[" and the first "]" after
// it (to the end when there is no "]"); "" without a "[".
std::string linkBetweenBrackets(std::string_view text);

// Ranks the candidates of a run, in run order, into the nine places: a record goes below every
// record whose total it does not beat, a record whose total equals place 9's replaces it, and face
// 1 never ranks. Links are kept only when wanted.
TopNine RankTopNine(const std::vector<ResultRecord>& records, std::string_view face1Caption,
                    bool withLinks);

// Splits a Results.tmp record read back: name and description at the first " -" (so hyphenated
// names stay whole), the four scores after the first "=", the web address between "[" and "]" when
// links are wanted. Only a record whose name and description hold none of the marks "=", " -" and
// "~" reads back as written; a run ranks from what it knows of each candidate instead.
ResultRecord parseResultRecord(std::string_view line, bool withLinks);

// Ranks the records of a Results.tmp text, up to its line "99999", as above.
TopNine RankTopNine(std::string_view resultsText, std::string_view face1Caption, bool withLinks);

}  // namespace analysis
