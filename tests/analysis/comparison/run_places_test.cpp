#include <gtest/gtest.h>

#include <filesystem>

#include "tests/analysis/comparison/comparison_fixture.h"

// What a run leaves on the main window names only faces of that run: a place it did not fill is
// hidden and never used, the best match of each feature is one of its candidates, and a run over
// the folder compares the folder as it is at the press.

using namespace comparison;

namespace {

std::vector<Face> fiveFaces() {
    std::vector<Face> faces;
    const char* names[5] = {"Anna", "Bea", "Cleo", "Dora", "Eve"};
    for (int i = 0; i < 5; ++i) {
        Face f{wizardFace(names[i], 10 * i), false, 10 * i};
        f.wizard.colours = common::FaceColours{0x101010 * (i + 1), 0x202020, 0x303030};
        faces.push_back(f);
    }
    return faces;
}

struct RunPlaces : ComparisonFixture {
    analysis::Results& results = program.ResultsWindow;

    void SetUp() override { writeFaces(fiveFaces()); }

    void view() {
        app.dispatch([this] { results.ViewButton_Click(); });
    }
    // Which of the three places show, each with its hot area: "110" for the first two.
    std::string shown() const {
        const forms::Label* places[3] = {&window.FirstPlace, &window.SecondPlace,
                                         &window.ThirdPlace};
        const forms::Label* hotAreas[3] = {&window.FirstHotArea, &window.SecondHotArea,
                                           &window.ThirdHotArea};
        std::string out;
        for (int i = 0; i < 3; ++i) {
            out += places[i]->Visible != hotAreas[i]->Visible ? '?'
                   : places[i]->Visible                       ? '1'
                                                              : '0';
        }
        return out;
    }
    std::string quickKeys() const {
        std::string out;
        for (int key = 1; key <= 10; ++key) {
            out += program.PrefsWindow.F1Person(key).Caption + "|";
        }
        return out;
    }
};

std::size_t detailBlocks(const std::string& page) {
    std::size_t count = 0;
    for (std::size_t at = page.find("<tr>\r\n<td width='13%'>"); at != std::string::npos;
         at = page.find("<tr>\r\n<td width='13%'>", at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

TEST_F(RunPlaces, BeforeAnyRunNoPlaceShowsAndProgressIsZero) {
    program.start();
    EXPECT_EQ(shown(), "000");
    EXPECT_EQ(window.CurrentTotal.Caption, "0%");
    EXPECT_EQ(window.CurrentSubtotal.Caption, "0%");
}

// A list of two faces fills two places: the third is hidden, the quick keys after the two are
// empty, and the best-three page shows the two.
TEST_F(RunPlaces, AShortListShowsOnlyItsOwnFaces) {
    program.PrefsWindow.AutoTopTen.setValue(1);
    program.PrefsWindow.F1Person(9).Caption = "Kept";
    startAndSelect("Cleo.txt");
    runList("Anna.txt\r\nBea.txt\r\n99999\r\n");
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(shown(), "110");
    EXPECT_EQ(window.FirstPlace.Caption.substr(0, 6), "1st : ");
    EXPECT_EQ(window.ThirdPlace.Caption, "");
    EXPECT_EQ(quickKeys(),
              "Cleo|" + program.Top.TopNames[1] + "|" + program.Top.TopNames[2] + "||||||||");
    EXPECT_EQ(window.Person2.Caption, program.Top.TopNames[1]);

    app.dispatch([this] { window.ThirdHotArea_Click(); });
    EXPECT_TRUE(platform.errors.empty()) << "a place no face filled loads nothing";
    EXPECT_EQ(window.Person2.Caption, program.Top.TopNames[1]);

    view();
    const std::string best = read("Results_1.htm");
    EXPECT_EQ(detailBlocks(best), 2u) << best;
    EXPECT_EQ(best.find("A1.jpg"), std::string::npos);
}

// A list none of whose faces can be read ranks nobody: no place, no quick key but face 1's, no
// match on any page.
TEST_F(RunPlaces, AListOfNoReadableFaceShowsNoPlaceAndWritesNoMatch) {
    program.PrefsWindow.AutoTopTen.setValue(1);
    startAndSelect("Cleo.txt");
    run();
    ASSERT_EQ(shown(), "111");
    runList("Ghost.txt\r\nPhantom.txt\r\n99999\r\n");
    EXPECT_EQ(shown(), "000");
    EXPECT_EQ(quickKeys(), "Cleo||||||||||");
    view();
    EXPECT_EQ(detailBlocks(read("Results_1.htm")), 0u);
    // Nor does the features page name a face of the earlier run.
    const std::string features = read("Results_3.htm");
    for (const char* name : {"Anna", "Bea", "Dora", "Eve", "1.jpg"}) {
        EXPECT_EQ(features.find(name), std::string::npos) << name;
    }
}

// With colouration weighed at 0 every face with colours scores 0%: the places fill in folder
// order, and face 2 is the face of place 1.
TEST_F(RunPlaces, ZeroScoresFillThePlacesInFolderOrder) {
    startAndSelect("Cleo.txt");
    program.PrefsWindow.ColourationSlider.setValue(0);
    run();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(shown(), "111");
    EXPECT_EQ(window.FirstPlace.Caption, "1st : Anna  0%");
    EXPECT_EQ(window.SecondPlace.Caption, "2nd : Bea  0%");
    EXPECT_EQ(window.ThirdPlace.Caption, "3rd : Dora  0%");
    EXPECT_EQ(window.Person2.Caption, "Anna");
    EXPECT_EQ(program.FaceFile2, "Anna.txt");
}

// The best match by each feature is reset whole at every run: a run with no candidate above 0 on
// a feature (here face 1 alone, which is never its own match) keeps no name, description or
// address of the run before, and the features page names nobody.
TEST_F(RunPlaces, BestMatchesByFeatureAreThisRunsOnly) {
    startAndSelect("Anna.txt");
    run();
    ASSERT_FALSE(program.Best.eyes.name.empty());
    runList("Anna.txt\r\n99999\r\n");
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    for (const analysis::BestCandidate* best :
         {&program.Best.eyes, &program.Best.nose, &program.Best.mouth}) {
        EXPECT_EQ(best->score, 0);
        EXPECT_EQ(best->name, "");
        EXPECT_EQ(best->info, "");
        EXPECT_EQ(best->link, "");
    }
    view();
    EXPECT_EQ(read("Results_3.htm").find("1.jpg"), std::string::npos);
}

// Taking away the results (another face 1) sets the run's progress back as at start-up.
TEST_F(RunPlaces, AnotherFaceOneSetsTheProgressBack) {
    startAndSelect("Cleo.txt");
    run();
    ASSERT_EQ(window.CurrentTotal.Caption, "100%");
    for (int i = 0; i < window.File1.ListCount(); ++i) {
        if (window.File1.List(i) == "Bea.txt") {
            window.File1.setListIndex(i);
        }
    }
    app.dispatch([this] { window.selectFace1_Click(); });
    ASSERT_EQ(window.Person1.Caption, "Bea");
    EXPECT_EQ(shown(), "000");
    EXPECT_EQ(window.CurrentTotal.Caption, "0%");
    EXPECT_EQ(window.CurrentSubtotal.Caption, "0%");
}

// Run Comparisons reads the folder again: a face saved meanwhile is compared, one removed is not
// tried, face 1 stays selected, and the four-face rule is judged on the list as it now stands.
TEST_F(RunPlaces, RunComparisonsComparesTheFolderAsItIsNow) {
    startAndSelect("Cleo.txt");
    folder.write("Fay.txt", common::faceFileText(wizardFace("Fay", 50)));
    std::filesystem::remove(folder.path() / "Eve.txt");
    run();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_TRUE(platform.notices.empty()) << "a face removed is not tried";
    const std::string results = read("Results.tmp");
    EXPECT_NE(results.find("\r\nFay -"), std::string::npos) << results;
    EXPECT_EQ(results.find("Eve -"), std::string::npos);
    EXPECT_EQ(window.File1.ListCount(), 5);
    EXPECT_EQ(window.File1.FileName(), "Cleo.txt");
    EXPECT_TRUE(window.CompButton.Enabled);

    for (const char* gone : {"Anna.txt", "Bea.txt"}) {
        std::filesystem::remove(folder.path() / gone);
    }
    run();
    EXPECT_EQ(read("Results.tmp").substr(0, 5), "Cleo ") << "the run itself is not refused";
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_EQ(window.CompButton.ToolTipText, program.Words.NeedThreeFacesText);
}

TEST_F(RunPlaces, AllReadsTheFaceListAgain) {
    startAndSelect("Cleo.txt");
    window.ListsButton_Click();
    folder.write("Fay.txt", common::faceFileText(wizardFace("Fay", 50)));
    window.Allbutton_Click();
    EXPECT_EQ(window.File1.ListCount(), 6);
    EXPECT_EQ(window.File1.FileName(), "Cleo.txt");
    EXPECT_EQ(window.File1.ToolTipText.substr(0, 3), " 6 ");
}
