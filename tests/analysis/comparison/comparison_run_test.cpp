#include <gtest/gtest.h>

#include "analysis/engine/face_loading.h"
#include "common/text/convert.h"
#include "tests/analysis/comparison/comparison_fixture.h"

using namespace comparison;

namespace {

std::vector<Face> fiveFaces() {
    std::vector<Face> faces;
    const char* names[5] = {"Anna", "Bea", "Cleo", "Dora", "Eve"};
    for (int i = 0; i < 5; ++i) {
        Face f{wizardFace(names[i], 10 * i), false, 10 * i};
        f.wizard.heightText = i == 2 ? "" : std::to_string(160 + i);
        f.wizard.colours = common::FaceColours{0x101010 * (i + 1), 0x202020, 0x303030};
        faces.push_back(f);
    }
    return faces;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST_F(ComparisonFixture, FolderRunWritesTheResultListsAndRanks) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    ASSERT_TRUE(window.CompButton.Enabled);
    window.CompButton_Click();

    std::vector<std::string> totals;
    for (const std::string& p : platform.painted) {
        if (p.starts_with("CurrentTotal=")) {
            totals.push_back(p.substr(13));
        }
    }
    EXPECT_EQ(totals, (std::vector<std::string>{" 0%", " 25%", " 50%", " 75%", " 100%"}));
    EXPECT_EQ(window.CurrentTotal.Caption, "100%");
    EXPECT_EQ(window.CurrentSubtotal.Caption, "100%");

    const std::string results = read("Results.tmp");
    EXPECT_TRUE(endsWith(results, "\r\n99999\r\n"));
    EXPECT_NE(results.find("Cleo -Model, British (Portrait only)= 100  100  100  100{ 0} #0 ~\r\n"),
              std::string::npos)
        << "face 1 is compared with itself";
    const std::string heights = read("HeightResults.tmp");
    EXPECT_TRUE(heights.starts_with("     \r\n 160# Anna [Model, British (Portrait only)] ~\r\n"));
    EXPECT_TRUE(endsWith(heights, "\r\n99999\r\n"));
    EXPECT_EQ(heights.find("Cleo ["), std::string::npos);
    EXPECT_TRUE(endsWith(read("ProfileResults.tmp"), "99999\r\n"));

    // Face 1 never ranks; the nearest faces in measurement rank first.
    const auto& top = program.Top;
    EXPECT_NE(top.TopNames[1], "Cleo");
    EXPECT_EQ(top.TopNames[5], "A");
    EXPECT_GE(top.TopTotals[1], top.TopTotals[2]);
    EXPECT_EQ(window.FirstPlace.Caption,
              "1st : " + top.TopNames[1] + " " + common::Str(top.TopTotals[1]) + "%");
    EXPECT_TRUE(window.FirstPlace.Visible);
    EXPECT_TRUE(window.Blankbit.Visible);

    // The best match is face 2, shown in its Portrait view; face 1 steps on to Portrait too.
    EXPECT_EQ(window.Person2.Caption, top.TopNames[1]);
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.View1.Caption, "Portrait");
    EXPECT_EQ(window.Image2.Picture(), folder.file(top.TopNames[1] + "1.jpg"));
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_EQ(program.PagesBuilt, 0);
    EXPECT_EQ(read("Results_4.htm"), "");
    EXPECT_FALSE(platform.busy);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ComparisonFixture, ColourListIsRankedWhenFaceOneHasColours) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    const std::string colours = read("ColourResults.tmp");
    // Anna's hair lies 0x20 per component from Cleo's: 96; Bea's 48; the others beyond.
    EXPECT_TRUE(
        colours.starts_with("048 H48 E0 S0 [Bea]{Model, British (Portrait only)}\xA3\r\n"
                            "048 H48 E0 S0 [Dora]"))
        << colours;
    EXPECT_EQ(colours.find("[Cleo]"), std::string::npos);
    EXPECT_TRUE(endsWith(colours, "\xA3\r\n99999\r\n"));
    EXPECT_TRUE(program.ResultsWindow.Style5.Enabled);
}

TEST_F(ComparisonFixture, FaceOneWithoutColoursLeavesOnlyTheClosingLine) {
    auto faces = fiveFaces();
    faces[0].wizard.colours.reset();
    writeFaces(faces);
    startAndSelect("Anna.txt");
    window.CompButton_Click();
    EXPECT_EQ(read("ColourResults.tmp"), "99999\r\n");
    EXPECT_FALSE(program.ResultsWindow.Style5.Enabled);
}

TEST_F(ComparisonFixture, ProfilesAreComparedOnlyWhenBothFacesHaveThem) {
    auto faces = fiveFaces();
    faces[0].profile = true;
    faces[1].profile = true;
    faces[3].profile = true;
    writeFaces(faces);
    startAndSelect("Anna.txt");
    window.CompButton_Click();
    const std::string profiles = read("ProfileResults.tmp");
    EXPECT_TRUE(profiles.starts_with("Bea {")) << profiles;
    EXPECT_NE(profiles.find("\r\nDora {"), std::string::npos);
    EXPECT_EQ(profiles.find("Cleo"), std::string::npos);
    EXPECT_EQ(profiles.find("Anna"), std::string::npos) << "face 1 against itself: no record";
    EXPECT_TRUE(program.ResultsWindow.Style6.Enabled);
}

TEST_F(ComparisonFixture, SingleCandidateShowsADoneRun) {
    writeFaces({Face{wizardFace("Solo", 0)}});
    startAndSelect("Solo.txt");
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_EQ(window.CompButton.ToolTipText, "You need at least 3 faces to make comparisons");
    window.CompButton_Click();
    EXPECT_EQ(platform.painted.back().substr(0, 13), "CurrentTotal=");
    EXPECT_EQ(window.FirstPlace.Caption, "1st : A  0%");
    EXPECT_EQ(read("Results.tmp").substr(0, 5), "Solo ");
}

TEST_F(ComparisonFixture, ListRunFollowsTheListAndSkipsMissingFaces) {
    writeFaces(fiveFaces());
    folder.write("Chosen.lst",
                 "Eve.txt\r\nnot a face\r\nGhost.txt\r\nBea.txt and more\r\n99999\r\nDora.txt\r\n");
    startAndSelect("Cleo.txt");
    window.ListsButton_Click();
    ASSERT_EQ(window.ListFiles.ListCount(), 1);
    window.ListFiles.setListIndex(0);
    ASSERT_TRUE(window.CompListButton.Enabled);
    window.CompListButton_Click();

    EXPECT_EQ(window.SecretListBox.Text(), "Eve.txt\r\nGhost.txt\r\nBea.txt\r\n");
    EXPECT_EQ(window.SecretListBox.ToolTipText, " 3");
    const std::string results = read("Results.tmp");
    EXPECT_TRUE(results.starts_with("Eve -")) << results;
    EXPECT_NE(results.find("\r\nBea -"), std::string::npos);
    EXPECT_EQ(results.find("Dora"), std::string::npos);
    EXPECT_EQ(results.find("Ghost"), std::string::npos);
    std::vector<std::string> totals;
    for (const std::string& p : platform.painted) {
        if (p.starts_with("CurrentTotal=")) {
            totals.push_back(p.substr(13));
        }
    }
    EXPECT_EQ(totals, (std::vector<std::string>{" 33%", " 66%", " 100%"}));
}

TEST_F(ComparisonFixture, ListRunWithoutAChosenListDoesNothing) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    window.CompListButton_Click();
    EXPECT_FALSE(common::fileExists(folder.file("Results.tmp")));
}

TEST_F(ComparisonFixture, BestByFeatureKeepsTheFirstOfEqualScoresAndNeverFaceOne) {
    // The average lies at shift 30: Bea is on Anna's side, two thirds of Anna's distance away;
    // Dora and Eve lie on the far side.
    std::vector<Face> faces;
    for (auto [name, shift] : {std::pair{"Anna", 0}, {"Bea", 10}, {"Dora", 60}, {"Eve", 61}}) {
        faces.push_back(Face{wizardFace(name, shift), false, shift});
    }
    writeFaces(faces);
    // A twin of Bea under another name scores exactly as Bea does and comes later.
    std::string twin = common::faceFileText(faces[1].wizard);
    twin.replace(0, 3, "Zoe");
    folder.write("Zoe.txt", twin);
    startAndSelect("Anna.txt");
    window.CompButton_Click();
    EXPECT_EQ(program.Best.eyes.name, "Bea");
    EXPECT_EQ(program.Best.eyes.score, 66);
    EXPECT_EQ(program.Best.eyes.info, "Model, British (Portrait only)");
    EXPECT_EQ(program.Best.eyes.link, "");
}

TEST_F(ComparisonFixture, AutomaticQuickKeysTakeTheRanking) {
    writeFaces(fiveFaces());
    program.PrefsWindow.AutoTopTen.setValue(1);
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    EXPECT_EQ(program.PrefsWindow.F1Person(1).Caption, "Cleo");
    EXPECT_EQ(program.PrefsWindow.F1Person(2).Caption, program.Top.TopNames[1]);
    EXPECT_EQ(program.PrefsWindow.F1Person(10).Caption, program.Top.TopNames[9]);
}

TEST_F(ComparisonFixture, AFolderThatCannotBeWrittenLeavesTheWindowUsable) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    std::filesystem::create_directory(folder.path() / "Results.tmp");
    app.dispatch([this] { window.CompButton_Click(); });
    EXPECT_EQ(platform.errors.size(), 1u);
    EXPECT_TRUE(window.FirstPlace.Visible);
    EXPECT_FALSE(platform.busy);
}
