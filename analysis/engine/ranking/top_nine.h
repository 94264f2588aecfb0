#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// The nine best matches of the last comparison run, place 1 best. Index 0 is unused so that
// places keep their numbers. Places 1 to FilledPlaces hold faces of the run; every place after
// them keeps its reset values and names no face (a real face may be called "A", so only the
// count tells them apart).
struct TopNine {
    std::array<std::string, 10> TopNames;
    std::array<std::string, 10> TopInfos;
    std::array<std::string, 10> TopLinks;
    std::array<std::int16_t, 10> TopTotals{};
    std::array<std::int16_t, 10> TopEyes{};
    std::array<std::int16_t, 10> TopNoses{};
    std::array<std::int16_t, 10> TopMouths{};
    std::size_t FilledPlaces = 0;

    TopNine() { ClearTopNine(); }
    // Every place back to its reset values: name "A", description "a", link "0", scores 0; no
    // place filled.
    void ClearTopNine();
    bool filled(std::size_t place) const { return place >= 1 && place <= FilledPlaces; }
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

// Ranks the candidates of a run, in run order, into the nine places: a place no record has filled
// yet is beaten by any record, a filled one only by a greater total, so a record goes below every
// record whose total it does not beat and records scoring 0 fill the places in run order. Once
// all nine are filled, a record whose total equals place 9's replaces it. Face 1 never ranks.
// Every ranked face keeps its web address: whether pages link it is decided when they are written.
TopNine RankTopNine(const std::vector<ResultRecord>& records, std::string_view face1Caption);

// Splits a Results.tmp record read back: name and description at the first " -" (so hyphenated
// names stay whole), the four scores after the first "=", the web address between "[" and "]".
// Only a record whose name and description hold none of the marks "=", " -" and "~" reads back as
// written; a run ranks from what it knows of each candidate instead.
ResultRecord parseResultRecord(std::string_view line);

// Ranks the records of a Results.tmp text, up to its line "99999", as above.
TopNine RankTopNine(std::string_view resultsText, std::string_view face1Caption);

}  // namespace analysis
