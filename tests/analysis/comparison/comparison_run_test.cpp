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

    // Face 1 is the average face here, so every other face scores alike: equal totals keep the
    // folder's order, and face 1 never ranks.
    const auto& top = program.Top;
    EXPECT_EQ(window.FirstPlace.Caption, "1st : Anna  24%");
    EXPECT_EQ(window.SecondPlace.Caption, "2nd : Bea  24%");
    EXPECT_EQ(window.ThirdPlace.Caption, "3rd : Dora  24%");
    EXPECT_EQ(top.TopNames[4], "Eve");
    EXPECT_EQ(top.TopNames[5], "A");
    EXPECT_TRUE(window.FirstPlace.Visible);
    EXPECT_TRUE(window.Blankbit.Visible);

    // The best match is face 2, shown in its Portrait view; face 1 steps on to Portrait too.
    EXPECT_EQ(window.Person2.Caption, top.TopNames[1]);
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.View1.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(), folder.file(top.TopNames[1] + "1.jpg"));
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
    // Every profile angle of Bea lies 3 degrees beyond Anna's, 2 short of the average's: each term
    // is the tolerance floor 50; Dora's lie 5 beyond the average, Anna's 5 before it: 50 as well.
    // The eye angles add element 20, the same for all: (3 x 50 + 100) / 4 = 62.
    EXPECT_EQ(read("ProfileResults.tmp"),
              "Bea {53} [50] [62] [50] [50]$\r\n"
              "Dora {53} [50] [62] [50] [50]$\r\n"
              "99999\r\n")
        << "no record for face 1 against itself nor for faces without profile points";
    const std::string results = read("Results.tmp");
    EXPECT_NE(results.find("\r\nBea -Model, British (Portrait only)= 61  50  50  50{ 48} #53 ~"),
              std::string::npos)
        << results;
    EXPECT_NE(results.find("\r\nCleo -Model, British (Portrait only)= 58  100  100  100{ 96} #0 ~"),
              std::string::npos);
    EXPECT_TRUE(program.ResultsWindow.Style6.Enabled);
    EXPECT_EQ(window.FirstPlace.Caption, "1st : Bea  61%");
    EXPECT_EQ(window.SecondPlace.Caption, "2nd : Cleo  58%");
    EXPECT_EQ(window.ThirdPlace.Caption, "3rd : Dora  47%");
}

TEST_F(ComparisonFixture, SingleCandidateShowsADoneRun) {
    writeFaces({Face{wizardFace("Solo", 0)}});
    startAndSelect("Solo.txt");
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_EQ(window.CompButton.ToolTipText, "You need at least 3 faces to make comparisons");
    window.CompButton_Click();
    std::vector<std::string> totals;
    for (const std::string& p : platform.painted) {
        if (p.starts_with("CurrentTotal=")) {
            totals.push_back(p.substr(13));
        }
    }
    EXPECT_EQ(totals, std::vector<std::string>{"100%"}) << "0 of 0 steps shows as done";
    EXPECT_EQ(window.CurrentTotal.Caption, "100%");
    // Face 1 never ranks itself: no place names a face.
    EXPECT_EQ(program.Top.FilledPlaces, 0u);
    EXPECT_FALSE(window.FirstPlace.Visible);
    EXPECT_FALSE(window.FirstHotArea.Visible);
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
    // Four faces ranked: the keys after them are empty, never the name of a reset place.
    ASSERT_EQ(program.Top.FilledPlaces, 4u);
    for (std::size_t key = 2; key <= 5; ++key) {
        EXPECT_EQ(program.PrefsWindow.F1Person(static_cast<int>(key)).Caption,
                  program.Top.TopNames[key - 1]);
    }
    for (int key = 6; key <= 10; ++key) {
        EXPECT_EQ(program.PrefsWindow.F1Person(key).Caption, "") << key;
    }
}

TEST_F(ComparisonFixture, AFolderThatCannotBeWrittenLeavesTheWindowUsable) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    std::filesystem::create_directory(folder.path() / "Results.tmp");
    app.dispatch([this] { window.CompButton_Click(); });
    EXPECT_EQ(platform.errors.size(), 1u);
    EXPECT_FALSE(platform.busy);
    EXPECT_TRUE(window.CompButton.Enabled);
    // No run has completed for this face 1: no places and no results to show.
    EXPECT_FALSE(window.FirstPlace.Visible);
    EXPECT_FALSE(window.OutputButton.Enabled);
}

// A web address holding "~" or "#" is the address only: the candidate keeps its colours (and with
// them the colour factor) and its height.
TEST_F(ComparisonFixture, WebAddressKeepsTheCandidatesColoursAndHeight) {
    auto faces = fiveFaces();
    faces[3].wizard.webAddress = "uni.example.edu/~dora/#top";
    writeFaces(faces);
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    EXPECT_NE(read("ColourResults.tmp").find("048 H48 E0 S0 [Dora]"), std::string::npos);
    EXPECT_NE(read("HeightResults.tmp")
                  .find("\r\n 163# Dora [Model, British (Portrait only)] ~"
                        "[uni.example.edu/~dora/#top]\r\n"),
              std::string::npos);
    EXPECT_NE(
        read("Results.tmp").find("\r\nDora -Model, British (Portrait only)= 24  0  0  0{ 48}"),
        std::string::npos);
    EXPECT_EQ(window.ThirdPlace.Caption, "3rd : Dora  24%");
}

// Names and descriptions holding "=", " -" or "~" neither move any candidate nor stop the run;
// face 1 never ranks, even with " -" in its name.
TEST_F(ComparisonFixture, MarksInNamesAndDescriptionsChangeNoPlace) {
    std::vector<std::string> places;
    const auto runWith = [&](const std::vector<std::pair<std::string, std::string>>& names) {
        std::vector<Face> faces;
        const int shifts[5] = {0, 10, 20, 30, 40};
        for (std::size_t i = 0; i < names.size(); ++i) {
            Face f{wizardFace(names[i].first, shifts[i], names[i].second), true, shifts[i]};
            faces.push_back(f);
        }
        writeFaces(faces);
        if (platform.painted.empty()) {
            startAndSelect(common::faceFileName(names[0].first));
        } else {
            window.File1.Refresh();
            for (int i = 0; i < window.File1.ListCount(); ++i) {
                if (window.File1.List(i) == common::faceFileName(names[0].first)) {
                    window.File1.setListIndex(i);
                }
            }
            window.selectFace1_Click();
        }
        ASSERT_EQ(window.Person1.Caption, names[0].first);
        window.CompButton_Click();
        EXPECT_TRUE(platform.errors.empty())
            << (platform.errors.empty() ? "" : platform.errors.front());
        places.clear();
        for (std::size_t i = 1; i <= 9; ++i) {
            places.push_back(program.Top.TopNames[i] + " " + common::Str(program.Top.TopTotals[i]));
        }
    };
    runWith({{"Anna", "Model"},
             {"Bea", "Dancer"},
             {"Cleo", "Villain"},
             {"Dora", "Poet"},
             {"Eve", "Singer"}});
    const std::vector<std::string> plain = places;
    ASSERT_EQ(plain[0], "Bea  62") << "the nearest face ranks first";
    for (const char* file : {"Anna.txt", "Bea.txt", "Cleo.txt", "Dora.txt", "Eve.txt"}) {
        std::filesystem::remove(folder.file(file));
    }
    runWith({{"Anna -the first", "Me=1 ~ -x"},
             {"Bea", "Dancer (E=mc2 fan)"},
             {"Evil=40000", "Villain=40000"},
             {"Dora", "Poet - writer ~ reader"},
             {"Eve -Eve=7", "Singer"}});
    std::vector<std::string> expected = plain;
    for (std::string& place : expected) {
        place = place.starts_with("Cleo ")  ? "Evil=40000" + place.substr(4)
                : place.starts_with("Eve ") ? "Eve -Eve=7" + place.substr(3)
                                            : place;
    }
    EXPECT_EQ(places, expected);
    EXPECT_EQ(window.FirstPlace.Caption, "1st : Bea  62%");
    EXPECT_EQ(program.Top.TopInfos[1], "Dancer (E=mc2 fan) (Portrait only)");
    EXPECT_EQ(window.Person2.Caption, "Bea");
}

// A list none of whose faces can be read ranks nobody: no best match is loaded, so nothing is
// reported about a face that does not exist and face 2 stays as it was.
TEST_F(ComparisonFixture, AListOfUnreadableFacesLoadsNoBestMatch) {
    writeFaces(fiveFaces());
    folder.write("Ghosts.lst", "Ghost.txt\r\nPhantom.txt\r\n99999\r\n");
    startAndSelect("Cleo.txt");
    window.ListsButton_Click();
    window.ListFiles.setListIndex(0);
    window.CompListButton_Click();

    EXPECT_TRUE(platform.errors.empty())
        << (platform.errors.empty() ? "" : platform.errors.front());
    for (const forms::Label* shown :
         {&window.FirstPlace, &window.SecondPlace, &window.ThirdPlace, &window.FirstHotArea,
          &window.SecondHotArea, &window.ThirdHotArea}) {
        EXPECT_FALSE(shown->Visible) << shown->key();
    }
    EXPECT_EQ(window.Person2.Caption, program.Words.NoDataText);
    EXPECT_EQ(window.CurrentTotal.Caption, "100%");
}

// During a run slot 2 holds each candidate in turn; when the best match cannot be loaded after it
// (its file is not named after its face), the last candidate stays as face 2, and a swap takes
// that face, never another one's file.
TEST_F(ComparisonFixture, SwapAfterARunTakesTheFaceShown) {
    writeFaces(fiveFaces());
    std::filesystem::rename(folder.path() / "Anna.txt", folder.path() / "Anna Smith.txt");
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    ASSERT_EQ(window.FirstPlace.Caption, "1st : Anna  24%");
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Anna.txt"), std::string::npos) << platform.errors[0];
    EXPECT_EQ(window.Person2.Caption, "Eve");
    window.SwapButton_Click();
    EXPECT_EQ(window.Person1.Caption, "Eve");
    EXPECT_EQ(window.Person2.Caption, "Cleo");
}
