#include "analysis/reports/result_sorting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/text/convert.h"
#include "tests/analysis/reports/literal_sorting.h"

namespace {

using analysis::sortHeightResults;
using analysis::sortProfileResults;
using analysis::sortResults2;

std::string results2Line(int total, std::string_view name, std::string_view info = "Actor",
                         std::string_view url = "") {
    return common::Str(total) + " " + std::string(name) + " ^" + std::string(info) + " ~" +
           std::string(url) + "\r\n";
}

std::string profileLine(std::string_view name, int score) {
    return std::string(name) + " {" + common::plain(score) + "} [10] [20] [30] [40]$\r\n";
}

std::string heightLine(int height, std::string_view name) {
    return common::Str(height) + "# " + std::string(name) + " [Info] ~\r\n";
}

TEST(SortResults2, BestFirstEqualTotalsInFileOrderZeroAndDuplicatesLeftOut) {
    const std::string list = results2Line(85, "Ann") + results2Line(90, "Ben") +
                             results2Line(85, "Cleo") + results2Line(0, "Dora") +
                             results2Line(70, "Eve") + results2Line(70, "Eve") + "99999\r\n";
    const auto sorted = sortResults2(list);
    EXPECT_EQ(sorted.sorted, results2Line(90, "Ben") + results2Line(85, "Ann") +
                                 results2Line(85, "Cleo") + results2Line(70, "Eve") + "99999\r\n");
    // What the steps leave behind: the record never chosen, then two end lines.
    EXPECT_EQ(sorted.remaining, results2Line(0, "Dora") + "99999\r\n99999\r\n");
}

TEST(SortResults2, NoTotalAboveZeroLeavesTheListAsItWas) {
    const std::string list = results2Line(0, "Ann") + "99999\r\n";
    const auto sorted = sortResults2(list);
    EXPECT_EQ(sorted.sorted, "99999\r\n");
    EXPECT_EQ(sorted.remaining, list);
}

TEST(SortResults2, ATotalAbove101EndsTheList) {
    const std::string list =
        results2Line(60, "Ann") + results2Line(150, "Big") + results2Line(80, "Late") + "99999\r\n";
    const auto sorted = sortResults2(list);
    EXPECT_EQ(sorted.sorted, results2Line(60, "Ann") + "99999\r\n");
    EXPECT_EQ(sorted.remaining,
              results2Line(150, "Big") + results2Line(80, "Late") + "99999\r\n99999\r\n");
}

// Val of the first 6 characters would read " 85 50 Cent" as 8550 and end the list there.
TEST(SortResults2, ANameStartingWithADigitKeepsItsRecordAndTheOnesAfter) {
    const std::string list = results2Line(85, "50 Cent") + results2Line(90, "Ben") +
                             results2Line(5, "7 Up") + "99999\r\n";
    const auto sorted = sortResults2(list);
    EXPECT_EQ(sorted.sorted, results2Line(90, "Ben") + results2Line(85, "50 Cent") +
                                 results2Line(5, "7 Up") + "99999\r\n");
    EXPECT_EQ(analysis::results2Total(" 100 5 Seconds ^x ~"), 100);
}

// Only the line "99999" ends a list: a web address or description holding 999 is a record.
TEST(SortResults2, ALineHolding999IsARecord) {
    const std::string list = results2Line(40, "Ann", "Room 999") +
                             results2Line(50, "Ben", "x", "[www.example.org/99999]") + "99999\r\n";
    const auto sorted = sortResults2(list);
    EXPECT_EQ(sorted.sorted, results2Line(50, "Ben", "x", "[www.example.org/99999]") +
                                 results2Line(40, "Ann", "Room 999") + "99999\r\n");
}

TEST(SortProfileResults, BestFirstMarksGoneAndTheEndLineUnterminated) {
    const std::string list =
        profileLine("Ann", 75) + profileLine("Ben", 80) + profileLine("Cleo", 0) + "99999\r\n";
    EXPECT_EQ(sortProfileResults(list),
              "Ben {80} [10] [20] [30] [40]\r\nAnn {75} [10] [20] [30] [40]\r\n"
              "Cleo {0} [10] [20] [30] [40]\r\n99999");
    EXPECT_EQ(sortProfileResults("99999\r\n"), "99999");
}

TEST(SortProfileResults, MarksInANameAreText) {
    const std::string list = profileLine("Cash$ {Kid}", 60) + profileLine("Ann 999", 70) +
                             profileLine("Ben", 65) + "99999\r\n";
    EXPECT_EQ(sortProfileResults(list),
              "Ann 999 {70} [10] [20] [30] [40]\r\nBen {65} [10] [20] [30] [40]\r\n"
              "Cash$ {Kid} {60} [10] [20] [30] [40]\r\n99999");
}

TEST(SortHeightResults, ShortestFirstAfterTheLineOfBlanks) {
    const std::string list = "     \r\n" + heightLine(172, "Ann") + heightLine(160, "Ben") +
                             heightLine(185, "Cleo") + "99999\r\n";
    EXPECT_EQ(sortHeightResults(list), "     \r\n" + heightLine(160, "Ben") +
                                           heightLine(172, "Ann") + " 185# Cleo [Info] ~" +
                                           "\r\n99999");
}

// A sort that only ever takes heights under 300 would never choose these and never end.
TEST(SortHeightResults, HeightsOf300AndMoreAreSortedAndTheSortEnds) {
    const std::string list = "     \r\n" + heightLine(350, "Tall") + heightLine(160, "Ben") +
                             heightLine(999, "Giant") + heightLine(300, "Mid") + "99999\r\n";
    EXPECT_EQ(sortHeightResults(list), "     \r\n" + heightLine(160, "Ben") +
                                           heightLine(300, "Mid") + heightLine(350, "Tall") +
                                           " 999# Giant [Info] ~\r\n99999");
}

TEST(SortHeightResults, NoHeightRecordLeavesOnlyTheEndLine) {
    EXPECT_EQ(sortHeightResults("     \r\n99999\r\n"), "\r\n99999");
}

// Many generated lists: the fast sorts give what the selection sorts give.
class GeneratedLists : public ::testing::Test {
  protected:
    std::mt19937 random{20261208};
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::string name() {
        static const char* names[] = {"Ann",          "Ben Hur", "Cleo",     "Dora May", "Eve",
                                      "Finn O'Neill", "Gus",     "Hal & Co", "Ida",      "Jo"};
        return names[pick(0, 9)];
    }
};

TEST_F(GeneratedLists, SortResults2MatchesTheSelectionSort) {
    for (int round = 0; round < 300; ++round) {
        std::string list;
        const int count = pick(0, 25);
        for (int i = 0; i < count; ++i) {
            const int total =
                pick(0, 9) == 0 ? pick(-20, 0) : pick(1, pick(0, 30) == 0 ? 200 : 100);
            list += results2Line(total, name(), pick(0, 1) ? "Actor" : "Singer",
                                 pick(0, 1) ? "" : "[www.example.org]");
        }
        list += "99999\r\n";
        const auto fast = sortResults2(list);
        const auto slow = literal::sortResults2(list);
        ASSERT_EQ(fast.sorted, slow.results2b) << list;
        ASSERT_EQ(fast.remaining, slow.results2) << list;
    }
}

TEST_F(GeneratedLists, SortProfileResultsMatchesTheSelectionSort) {
    for (int round = 0; round < 300; ++round) {
        std::string list;
        const int count = pick(0, 25);
        for (int i = 0; i < count; ++i) {
            list += profileLine(name(), pick(-10, 100));
        }
        list += "99999\r\n";
        ASSERT_EQ(sortProfileResults(list), literal::sortProfileResults(list)) << list;
    }
}

TEST_F(GeneratedLists, SortHeightResultsMatchesTheSelectionSort) {
    for (int round = 0; round < 300; ++round) {
        std::string list = "     \r\n";
        const int count = pick(0, 25);
        for (int i = 0; i < count; ++i) {
            list += heightLine(pick(1, pick(0, 5) == 0 ? 999 : 200), name());
        }
        list += "99999\r\n";
        ASSERT_EQ(sortHeightResults(list), literal::sortHeightResults(list)) << list;
    }
}

}  // namespace
