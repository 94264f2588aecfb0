#include <gtest/gtest.h>

#include <random>

#include "analysis/engine/ranking/colour_ranking.h"
#include "analysis/engine/ranking/top_nine.h"
#include "common/text/convert.h"
#include "tests/analysis/ranking/literal_ranking.h"

using namespace analysis;

namespace {

std::string record(const std::string& name, const std::string& info, int total, int eyes = 70,
                   int nose = 60, int mouth = 90, const std::string& url = "") {
    return name + " -" + info + "=" + common::Str(total) + " " + common::Str(eyes) + " " +
           common::Str(nose) + " " + common::Str(mouth) + "{ 45} #75 ~" + url + "\r\n";
}

std::string record(const ResultRecord& r, const std::string& url) {
    return record(r.name, r.info, r.total, r.eyes, r.nose, r.mouth, url);
}

ResultRecord candidate(const std::string& name, const std::string& info, int total,
                       const std::string& link = "") {
    return ResultRecord{name, info, link, static_cast<std::int16_t>(total), 70, 60, 90};
}

void expectSame(const TopNine& a, const TopNine& b) {
    for (std::size_t i = 1; i <= 9; ++i) {
        EXPECT_EQ(a.TopNames[i], b.TopNames[i]) << i;
        EXPECT_EQ(a.TopInfos[i], b.TopInfos[i]) << i;
        EXPECT_EQ(a.TopLinks[i], b.TopLinks[i]) << i;
        EXPECT_EQ(a.TopTotals[i], b.TopTotals[i]) << i;
        EXPECT_EQ(a.TopEyes[i], b.TopEyes[i]) << i;
        EXPECT_EQ(a.TopNoses[i], b.TopNoses[i]) << i;
        EXPECT_EQ(a.TopMouths[i], b.TopMouths[i]) << i;
    }
    EXPECT_EQ(a.FilledPlaces, b.FilledPlaces);
}

}  // namespace

TEST(ResultRecord, ParsesTheExampleRecord) {
    const auto r = parseResultRecord(
        "Face Two -Actor (Portrait only)= 85  70  60  90{ 45} #75 ~[www.example.com]");
    EXPECT_EQ(r.name, "Face Two");
    EXPECT_EQ(r.info, "Actor (Portrait only)");
    EXPECT_EQ(r.total, 85);
    EXPECT_EQ(r.eyes, 70);
    EXPECT_EQ(r.nose, 60);
    EXPECT_EQ(r.mouth, 90);
    EXPECT_EQ(r.link, "www.example.com");
}

TEST(ResultRecord, HyphenatedNamesStayWhole) {
    const auto r = parseResultRecord("Mary-Jane -Singer-songwriter= 77  1  2  3{ 0} #0 ~");
    EXPECT_EQ(r.name, "Mary-Jane");
    EXPECT_EQ(r.info, "Singer-songwriter");
}

TEST(RankTopNine, OrdersTiesBelowAndSkipsFaceOne) {
    const int totals[12] = {90, 80, 80, 70, 60, 50, 40, 30, 20, 10, 5, 1};
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += record("P" + std::to_string(i), "d", totals[i]);
    }
    text += record("Me", "self", 100) + "99999\r\n";
    const TopNine top = RankTopNine(text, "Me");
    EXPECT_EQ(top.FilledPlaces, 9u);
    EXPECT_EQ(top.TopNames[1], "P0");
    EXPECT_EQ(top.TopNames[2], "P1");
    EXPECT_EQ(top.TopNames[3], "P2") << "the second 80 goes below the first";
    EXPECT_EQ(top.TopNames[9], "P8");
    EXPECT_EQ(top.TopTotals[9], 20);
    EXPECT_EQ(top.TopLinks[1], "");
    for (std::size_t i = 1; i < 9; ++i) {
        EXPECT_GE(top.TopTotals[i], top.TopTotals[i + 1]);
    }
}

TEST(RankTopNine, EqualToPlaceNineReplacesIt) {
    std::string text;
    for (int i = 0; i < 9; ++i) {
        text += record("P" + std::to_string(i), "d", 90 - i);
    }
    text += record("Late", "d", 82) + "99999\r\n";
    EXPECT_EQ(RankTopNine(text, "Me").TopNames[9], "Late");
}

// A place no record has filled is beaten by any record: zero scores fill the places in run
// order, below every greater total, and the places after them keep their reset values.
TEST(RankTopNine, ZeroScoresFillThePlacesInRunOrder) {
    const TopNine zeros =
        RankTopNine(record("X", "d", 0) + record("Y", "d", 0) + "99999\r\n", "Me");
    EXPECT_EQ(zeros.FilledPlaces, 2u);
    EXPECT_EQ(zeros.TopNames[1], "X");
    EXPECT_EQ(zeros.TopNames[2], "Y");
    EXPECT_FALSE(zeros.filled(3));
    EXPECT_EQ(zeros.TopNames[3], "A");
    EXPECT_EQ(zeros.TopInfos[3], "a");
    EXPECT_EQ(zeros.TopLinks[3], "0");

    const TopNine mixed =
        RankTopNine(record("Z", "d", 0) + record("Fifty", "d", 50) + record("Z2", "d", 0) +
                        record("Thirty", "d", 30) + "99999\r\n",
                    "Me");
    EXPECT_EQ(mixed.FilledPlaces, 4u);
    const std::vector<std::string> order = {"Fifty", "Thirty", "Z", "Z2"};
    for (std::size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(mixed.TopNames[i], order[i - 1]) << i;
    }

    // Nine places full of zeros: a later zero equals place 9 and replaces it.
    std::string full;
    for (int i = 0; i < 10; ++i) {
        full += record("N" + std::to_string(i), "d", 0);
    }
    const TopNine nine = RankTopNine(full + "99999\r\n", "Me");
    EXPECT_EQ(nine.FilledPlaces, 9u);
    EXPECT_EQ(nine.TopNames[1], "N0");
    EXPECT_EQ(nine.TopNames[8], "N7");
    EXPECT_EQ(nine.TopNames[9], "N9");
}

// The count of filled places tells a reset place from a face that is really called "A".
TEST(RankTopNine, AFaceCalledAIsAFilledPlace) {
    const TopNine top = RankTopNine({candidate("A", "a", 0)}, "Me");
    EXPECT_TRUE(top.filled(1));
    EXPECT_FALSE(top.filled(2));
    EXPECT_EQ(top.TopNames[1], top.TopNames[2]);
}

TEST(RankTopNine, EndsOnlyAtAnExactClosingLine) {
    const std::string text = record("Web", "d", 50, 1, 2, 3, "[http://x.org/99999]") +
                             record("After", "d", 60) + "99999\r\n" + record("Never", "d", 99);
    const TopNine top = RankTopNine(text, "Me");
    EXPECT_EQ(top.TopNames[1], "After");
    EXPECT_EQ(top.TopNames[2], "Web");
    EXPECT_EQ(top.TopLinks[2], "http://x.org/99999");
    EXPECT_EQ(top.FilledPlaces, 2u);
    EXPECT_EQ(RankTopNine("", "Me").FilledPlaces, 0u);
}

// On records whose names and descriptions hold no mark, ranking the run's candidates, reading
// their Results.tmp text back and the literal procedure on that text all agree.
TEST(RankTopNine, MatchesTheLiteralProcedureOnGeneratedLists) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        std::vector<ResultRecord> records;
        std::string text;
        const int n = static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i) {
            const std::string name =
                (rng() % 5 == 0 ? "Anne-Marie " : "Face ") + std::to_string(rng() % 30);
            const std::string address = "www.site" + std::to_string(i) + ".com";
            const bool hasUrl = rng() % 3 == 0;
            ResultRecord r{name, "Actor (Portrait only)", hasUrl ? address : "",
                           // Every other round mostly zeros and ties.
                           static_cast<std::int16_t>(rng() % (round % 2 == 0 ? 101 : 3)),
                           static_cast<std::int16_t>(rng() % 101),
                           static_cast<std::int16_t>(rng() % 101),
                           static_cast<std::int16_t>(rng() % 101)};
            text += record(r, hasUrl ? "[" + address + "]" : "");
            records.push_back(std::move(r));
        }
        text += "99999\r\n";
        const TopNine literal = oracle::rankTopNineLiterally(text, "Face 3");
        expectSame(RankTopNine(records, "Face 3"), literal);
        expectSame(RankTopNine(text, "Face 3"), literal);
    }
}

// Whatever a name or description holds, each candidate ranks by its own name and scores.
TEST(RankTopNine, MarksInNamesAndDescriptionsChangeNoPlace) {
    const std::vector<ResultRecord> records = {
        candidate("Best", "Dancer (E=mc2 fan)", 90, "www.best.org"),
        candidate("Second", "Singer - songwriter ~ poet", 80),
        candidate("Evil=40000", "Villain=32768 ~ -1", 70),
        candidate("Me -the first", "self", 100),
        candidate("Fourth", "x=99 -y~z", 60),
    };
    const TopNine top = RankTopNine(records, "Me -the first");
    EXPECT_EQ(top.FilledPlaces, 4u);
    const std::vector<std::string> names = {"Best", "Second", "Evil=40000", "Fourth"};
    const std::vector<int> totals = {90, 80, 70, 60};
    for (std::size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(top.TopNames[i], names[i - 1]) << i;
        EXPECT_EQ(top.TopTotals[i], totals[i - 1]) << i;
    }
    EXPECT_EQ(top.TopInfos[1], "Dancer (E=mc2 fan)");
    EXPECT_EQ(top.TopInfos[2], "Singer - songwriter ~ poet");
    EXPECT_EQ(top.TopLinks[1], "www.best.org");
    EXPECT_EQ(top.TopEyes[3], 70);
    EXPECT_EQ(top.TopNoses[3], 60);
    EXPECT_EQ(top.TopMouths[3], 90);

    // A hyphenated face 1 never ranks itself either.
    const TopNine hyphenated = RankTopNine(
        {candidate("Mary-Jane", "me", 100), candidate("Mar", "other", 50)}, "Mary-Jane");
    EXPECT_EQ(hyphenated.TopNames[1], "Mar");
    EXPECT_EQ(hyphenated.FilledPlaces, 1u);
}

TEST(RankTopNine, LinkIsTheTextInBrackets) {
    EXPECT_EQ(linkBetweenBrackets("[www.ann.org]"), "www.ann.org");
    EXPECT_EQ(linkBetweenBrackets("see [http://x.org/~a/] there"), "http://x.org/~a/");
    EXPECT_EQ(linkBetweenBrackets("[http://x.org/99999"), "http://x.org/99999");
    EXPECT_EQ(linkBetweenBrackets("no address"), "");
    EXPECT_EQ(linkBetweenBrackets(""), "");
}

TEST(RankColourResults, SortsByKeyKeepingFileOrderForTies) {
    const std::string text =
        "045 H12 E20 S13 [Face Two]{Actor}\r\n"
        "007 H1 E2 S4 [Close]{x}\r\n"
        "234 H100 E100 S34 [Far]{y}\r\n"
        "045 H10 E20 S15 [Twin]{z}\r\n"
        "000 H0 E0 S0 [Same]{w}\r\n"
        "99999\r\n";
    EXPECT_EQ(rankColourRecords(text),
              "000 H0 E0 S0 [Same]{w}\xA3\r\n"
              "007 H1 E2 S4 [Close]{x}\xA3\r\n"
              "045 H12 E20 S13 [Face Two]{Actor}\xA3\r\n"
              "045 H10 E20 S15 [Twin]{z}\xA3\r\n"
              "234 H100 E100 S34 [Far]{y}\xA3\r\n"
              "99999\r\n");
    EXPECT_EQ(rankColourRecords("99999\r\n"), "99999\r\n");
}

TEST(RankColourResults, FourDigitTotalsRankAfterThreeDigitOnes) {
    const std::string text =
        "1128 H400 E400 S328 [Far]{x}\r\n128 H40 E40 S48 [Near]{y}\r\n99999\r\n";
    EXPECT_EQ(rankColourRecords(text),
              "128 H40 E40 S48 [Near]{y}\xA3\r\n1128 H400 E400 S328 [Far]{x}\xA3\r\n99999\r\n");
}

// A colour record ranks by its own key, whatever its name and description hold.
TEST(RankColourResults, MarksInNamesAndDescriptionsChangeNoPlace) {
    const std::string text =
        "300 H100 E100 S100 [Hugh H. Hall]{H 007 H [x] \xA3 99999}\r\n"
        "045 H12 E20 S13 [Dancer=E]{E=mc2 fan ~ - H}\r\n"
        "1128 H400 E400 S328 [Far -away]{}\r\n"
        "007 H1 E2 S4 [Near]{000 H0}\r\n"
        "99999\r\n";
    EXPECT_EQ(rankColourRecords(text),
              "007 H1 E2 S4 [Near]{000 H0}\xA3\r\n"
              "045 H12 E20 S13 [Dancer=E]{E=mc2 fan ~ - H}\xA3\r\n"
              "300 H100 E100 S100 [Hugh H. Hall]{H 007 H [x] \xA3 99999}\xA3\r\n"
              "1128 H400 E400 S328 [Far -away]{}\xA3\r\n"
              "99999\r\n");
}

TEST(RankColourResults, MatchesTheLiteralProcedureOnGeneratedLists) {
    std::mt19937 rng(777);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 30);
        for (int i = 0; i < n; ++i) {
            const int total = static_cast<int>(rng() % (round % 2 == 0 ? 60 : 2296));
            std::string key = std::to_string(total);
            if (key.size() < 3) {
                key.insert(0, 3 - key.size(), '0');
            }
            text += key + " H" + std::to_string(total / 3) + " E1 S2 [Face " + std::to_string(i) +
                    "]{Model}\r\n";
        }
        text += "99999\r\n";
        EXPECT_EQ(rankColourRecords(text), oracle::rankColourResultsLiterally(text)) << text;
    }
}
