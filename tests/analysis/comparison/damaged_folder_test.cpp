#include <gtest/gtest.h>

#include <random>

#include "common/text/convert.h"
#include "tests/analysis/comparison/comparison_fixture.h"

using namespace comparison;

namespace {

std::vector<Face> sixFaces() {
    std::vector<Face> faces;
    const char* names[6] = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo"};
    for (int i = 0; i < 6; ++i) {
        Face f{wizardFace(names[i], 7 * i), i % 2 == 0, 7 * i};
        f.wizard.heightText = std::to_string(150 + 5 * i);
        f.wizard.colours = common::FaceColours{0x203040 * (i + 1) % 0xFFFFFF, 0x102030, 0x405060};
        faces.push_back(f);
    }
    return faces;
}

}  // namespace

// Candidates whose files were edited by hand or damaged: the run goes on, writes its lists and
// reports nothing, however odd the numbers in them.
TEST_F(ComparisonFixture, DamagedCandidatesNeverStopARun) {
    writeFaces(sixFaces());
    folder.write("Odd1.txt", "Odd1\r\nOnly two lines\r\n");
    std::string text = read("Bo.txt");
    folder.write("Odd2.txt", "Odd2" + text.substr(2));
    folder.write("Odd3.txt",
                 "Odd3" + read("Cy.txt").substr(2) + "~ 2147483647~ -2147483648~ 99999999~\r\n");
    std::string huge = read("Di.txt");
    huge.replace(huge.find("\r\n", huge.find("NormY2")) + 2, 0, "30000&&&, -30000&&&\r\n");
    folder.write("Odd4.txt", "Odd4" + huge.substr(2));
    folder.write("Odd5.txt", "Odd5" + read("Ed.txt").substr(2) + "99999999#\r\n");
    startAndSelect("Ann.txt");
    window.CompButton_Click();
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(window.CurrentTotal.Caption, "100%");

    const std::string results = read("Results.tmp");
    const std::string heights = read("HeightResults.tmp");
    const std::string colours = read("ColourResults.tmp");
    const std::string profiles = read("ProfileResults.tmp");
    const std::string info = " -Model, British (Portrait only)=";
    // Cut short: no record in any list.
    for (const std::string& list : {results, read("Results2.tmp"), heights, colours, profiles}) {
        EXPECT_EQ(list.find("Odd1"), std::string::npos) << list;
    }
    // A copy under another name scores as its original.
    EXPECT_NE(results.find("\r\nOdd2" + info + " 71  59  59  59{ 144} #0 ~\r\n"), std::string::npos)
        << results;
    EXPECT_NE(results.find("\r\nBo" + info + " 71  59  59  59{ 144} #0 ~\r\n"), std::string::npos);
    EXPECT_NE(colours.find("144 H144 E0 S0 [Odd2]"), std::string::npos);
    // Values that are no colours: no colour record and no colour factor; height and profile stay.
    EXPECT_NE(results.find("\r\nOdd3" + info + " 51  50  50  50{ 0} #53 ~\r\n"), std::string::npos);
    EXPECT_EQ(colours.find("[Odd3]"), std::string::npos);
    EXPECT_NE(heights.find("\r\n 160# Odd3 ["), std::string::npos);
    EXPECT_NE(profiles.find("\r\nOdd3 {53} [50] [62] [50] [50]$\r\n"), std::string::npos);
    // An extra coordinate line shifts the landmarks: other scores, but the trailer is read.
    EXPECT_NE(results.find("\r\nOdd4" + info), std::string::npos);
    EXPECT_NE(results.find("{ 305} #0 ~\r\nOdd5"), std::string::npos);
    EXPECT_NE(heights.find("\r\n 165# Odd4 ["), std::string::npos);
    EXPECT_NE(colours.find("305 H305 E0 S0 [Odd4]"), std::string::npos);
    // A height too large for any height field counts as none: Odd5 has no height record.
    EXPECT_NE(results.find("\r\nOdd5" + info + " 46  61  61  63{ 321} #57 ~\r\n"),
              std::string::npos);
    EXPECT_EQ(heights.find("Odd5"), std::string::npos);
    EXPECT_NE(heights.find(" 170# Ed ["), std::string::npos);
    // The ranking takes every candidate that could be read.
    EXPECT_EQ(program.Top.TopNames[1], "Bo");
    EXPECT_EQ(program.Top.TopNames[2], "Odd2");
    EXPECT_EQ(program.Top.TopNames[3], "Di");
    EXPECT_EQ(program.Top.TopNames[9], "Odd4");
}

// The same with random damage: digits blown up, lines cut or doubled, marks inserted. The faces
// left whole keep their places among each other and their totals.
TEST_F(ComparisonFixture, RandomlyDamagedFacesNeverStopARun) {
    writeFaces(sixFaces());
    startAndSelect("Ann.txt");
    const auto wholeFaces = [this] {
        std::vector<std::string> places;
        for (std::size_t i = 1; i <= 9; ++i) {
            const std::string& name = program.Top.TopNames[i];
            if (!name.starts_with("Odd") && name != "A") {
                places.push_back(name + common::Str(program.Top.TopTotals[i]));
            }
        }
        return places;
    };
    window.CompButton_Click();
    const std::vector<std::string> clean = wholeFaces();
    ASSERT_EQ(clean.size(), 5u);
    std::mt19937 rng(99);
    const std::vector<std::string> good = {read("Bo.txt"), read("Cy.txt"), read("Di.txt")};
    for (int round = 0; round < 60; ++round) {
        for (std::size_t f = 0; f < good.size(); ++f) {
            std::string text = good[f];
            for (int e = 0; e < 4; ++e) {
                const std::size_t at = 4 + rng() % (text.size() - 4);
                const char* pieces[] = {"9999999", "-32769", "~",     "#",          "[",
                                        "\r\n",    "*",      "1E300", "-0.5",       "=40000",
                                        " -",      "=",      "99999", "&HFFFFFFFF", "  "};
                text.insert(at, pieces[rng() % std::size(pieces)]);
            }
            folder.write("Odd" + std::to_string(f) + ".txt",
                         "Odd" + std::to_string(f) + text.substr(2));
        }
        window.File1.Refresh();
        window.CompButton_Click();
        ASSERT_TRUE(platform.errors.empty())
            << "round " << round << ": " << platform.errors.front();
        ASSERT_EQ(wholeFaces(), clean) << "round " << round;
    }
}
