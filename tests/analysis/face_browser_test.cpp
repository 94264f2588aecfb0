#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tests/analysis/program_fixture.h"

namespace {

// A data folder of faces with every view, statistics, and a picture for missing views.
struct FaceBrowser : ProgramFixture {
    void addFaces(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            folder.write(std::string(name) + ".txt", sample::face(name, "Singer"));
            for (int view = 0; view <= 4; ++view) {
                folder.write(name + std::to_string(view) + ".jpg", sample::jpeg());
            }
        }
        folder.write("Missing.jpg", sample::jpeg());
        writeStatistics();
        window.File1.Refresh();
        window.ListFiles.Refresh();
    }
    void select(const std::string& fileName) {
        for (int i = 0; i < window.File1.ListCount(); ++i) {
            if (window.File1.List(i) == fileName) {
                window.File1.setListIndex(i);
            }
        }
    }
    std::string picture(const std::string& name) const { return folder.file(name); }
};

}  // namespace

TEST_F(FaceBrowser, SelectingFaceOneLocksTheFolderAndEnablesItsButtons) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    window.selectFace1_Click();
    EXPECT_TRUE(window.Dir1.Enabled) << "nothing selected: nothing happens";
    select("Bob.txt");
    window.File1_DblClick();
    EXPECT_FALSE(window.Dir1.Enabled);
    EXPECT_FALSE(window.Drive1.Enabled);
    EXPECT_TRUE(window.face1NextView.Enabled);
    EXPECT_TRUE(window.CompButton.Enabled);
    EXPECT_TRUE(window.PlotterButton.Enabled);
    EXPECT_EQ(window.View1.Caption, "Typical");
    EXPECT_EQ(window.Person1.Caption, "Bob");
    EXPECT_EQ(window.face1Photo.Picture(), picture("Bob3.jpg"));
}

TEST_F(FaceBrowser, FewerThanFourFacesOnlyExplainWhy) {
    addFaces({"Ann", "Bob", "Cy"});
    select("Ann.txt");
    window.selectFace1_Click();
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_EQ(window.CompButton.ToolTipText, "You need at least 3 faces to make comparisons");
    program.PrefsWindow.F1Person(1).Caption = "Cy";
    window.File1_KeyDown(112);
    EXPECT_TRUE(window.CompButton.Enabled) << "a quick key enables the run without counting";
    EXPECT_EQ(window.Person2.Caption, "Cy");
}

TEST_F(FaceBrowser, QuickKeys) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Ann.txt");
    window.selectFace1_Click();
    window.CompButton.Enabled = false;
    window.File1_KeyDown(114);
    EXPECT_EQ(window.Person2.Caption, "No data has been loaded.") << "F3 without a name";
    EXPECT_FALSE(window.CompButton.Enabled);
    // A key naming no face is reported and leaves face 2 as it was shown.
    program.PrefsWindow.F1Person(3).Caption = "Ghost";
    window.face2Photo.LoadPicture(picture("Ann1.jpg"));
    window.File1_KeyDown(114);
    EXPECT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(window.face2Photo.Picture(), picture("Ann1.jpg"));
    EXPECT_EQ(window.Person2.Caption, "No data has been loaded.");
    EXPECT_TRUE(window.CompButton.Enabled);
    program.PrefsWindow.F1Person(10).Caption = "Di";
    window.File1_KeyDown(121);
    EXPECT_EQ(window.Person2.Caption, "Di");
    window.File1_KeyDown(122);
    window.File1_KeyDown(65);
    EXPECT_EQ(window.Person2.Caption, "Di");
}

// A run needs face 1: a quick key in a folder without it must not offer a comparison of nothing.
TEST_F(FaceBrowser, ComparisonsWaitForFaceOne) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    folder.write("Some.lst", "Ann.txt\r\n99999\r\n");
    window.ListFiles.Refresh();
    program.PrefsWindow.F1Person(1).Caption = "Bob";
    window.File1_KeyDown(112);
    EXPECT_EQ(window.Person2.Caption, "Bob");
    EXPECT_FALSE(window.CompButton.Enabled);
    window.Allbutton_Click();
    window.ListsButton_Click();
    window.ListFiles.setListIndex(0);
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_FALSE(window.CompListButton.Enabled);

    // A face 1 that cannot be read leaves the buttons and the folder as they were.
    window.Allbutton_Click();
    folder.write("Cy.txt", "Cy\r\nCut short\r\n");
    window.File1.Refresh();
    select("Cy.txt");
    window.selectFace1_Click();
    EXPECT_FALSE(window.CompButton.Enabled);
    EXPECT_FALSE(window.PlotterButton.Enabled);
    EXPECT_TRUE(window.Dir1.Enabled);
    EXPECT_EQ(window.Person1.Caption, "No data has been loaded.");
    window.File1_KeyDown(112);
    EXPECT_FALSE(window.CompButton.Enabled);
}

// Return in the face list selects face 1, as a double click does.
TEST_F(FaceBrowser, ReturnInTheFaceListSelectsFaceOne) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Cy.txt");
    window.File1.keyDown(13);
    EXPECT_EQ(window.Person1.Caption, "Cy");
    EXPECT_TRUE(window.CompButton.Enabled);
    EXPECT_FALSE(window.Dir1.Enabled);
}

TEST_F(FaceBrowser, ViewRingStepsThroughTheFiveViews) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Cy.txt");
    window.selectFace1_Click();
    const char* expected[5][2] = {{"Alternative", "Cy4.jpg"},
                                  {"Full-length", "Cy0.jpg"},
                                  {"Portrait", "Cy1.jpg"},
                                  {"Profile", "Cy2.jpg"},
                                  {"Typical", "Cy3.jpg"}};
    for (const auto& [view, file] : expected) {
        window.face1NextView_Click();
        EXPECT_EQ(window.View1.Caption, view);
        EXPECT_EQ(window.face1Photo.Picture(), picture(file));
    }
    folder.write("Cy4.jpg", "not a picture");
    window.face1NextView_Click();
    EXPECT_EQ(window.face1Photo.Picture(), picture("Missing.jpg"));
}

TEST_F(FaceBrowser, ViewRingWithEqualWordsOrAStrangeCaption) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Cy.txt");
    window.selectFace2_Click();
    program.Words.ViewProfile = program.Words.ViewPortrait;
    window.View2.Caption = "Full-length";
    window.face2NextView_Click();
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(), picture("Cy2.jpg")) << "the later equal word decides";
    window.View2.Caption = "Something else";
    window.face2NextView_Click();
    EXPECT_EQ(window.View2.Caption, "");
    EXPECT_EQ(window.face2Photo.Picture(), picture("Missing.jpg"));
}

// Before any run there is no match: the places and their hot areas are hidden, and a place no
// run filled loads nothing, not even a file named after its reset name.
TEST_F(FaceBrowser, HotAreasBeforeAnyRunAreHiddenAndLoadNothing) {
    addFaces({"Ann", "Bob", "Cy", "Di", "A"});
    for (const forms::Label* shown :
         {&window.FirstPlace, &window.SecondPlace, &window.ThirdPlace, &window.FirstHotArea,
          &window.SecondHotArea, &window.ThirdHotArea}) {
        EXPECT_FALSE(shown->Visible) << shown->key();
    }
    window.FirstHotArea_Click();
    EXPECT_EQ(window.face2Photo.Picture(), "");
    EXPECT_EQ(window.Person2.Caption, "No data has been loaded.");
    EXPECT_TRUE(platform.errors.empty());
    program.Top.TopNames[2] = "Di";
    program.Top.FilledPlaces = 2;
    window.SecondHotArea_Click();
    EXPECT_EQ(window.Person2.Caption, "Di");
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(), picture("Di1.jpg"));
}

TEST_F(FaceBrowser, SwapReloadsBothFacesByName) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Ann.txt");
    window.selectFace1_Click();
    select("Di.txt");
    window.selectFace2_Click();
    EXPECT_TRUE(window.face2NextView.Enabled);
    window.SwapButton_Click();
    EXPECT_EQ(window.Person1.Caption, "Di");
    EXPECT_EQ(window.Person2.Caption, "Ann");
    EXPECT_EQ(program.Face1.FaceName, "Di");
    EXPECT_EQ(program.Face2.FaceName, "Ann");
    EXPECT_EQ(window.face1Photo.Picture(), picture("Di3.jpg"));
    EXPECT_EQ(window.face2Photo.Picture(), picture("Ann1.jpg"));
}

// Each view caption names the view its photo shows, and every name stays with its own face.
TEST_F(FaceBrowser, SwapShowsEachLoadersViewAndKeepsNamesWithTheirFaces) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    select("Ann.txt");
    window.selectFace1_Click();
    select("Di.txt");
    window.selectFace2_Click();
    window.face1NextView_Click();
    window.face2NextView_Click();
    ASSERT_EQ(window.View1.Caption, "Alternative");
    ASSERT_EQ(window.View2.Caption, "Profile");
    window.SwapButton_Click();
    EXPECT_EQ(window.View1.Caption, "Typical");
    EXPECT_EQ(window.View2.Caption, "Portrait");

    // Face 2 damaged since it was loaded: the swap stops, reported once, names unchanged.
    folder.write("Ann.txt", "Ann\r\nCut short\r\n");
    window.SwapButton_Click();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find(folder.file("Ann.txt")), std::string::npos);
    EXPECT_EQ(window.Person1.Caption, "Di");
    EXPECT_EQ(program.Face1.FaceName, "Di");
    EXPECT_EQ(window.Person2.Caption, "Ann");
    EXPECT_EQ(program.Face2.FaceName, "Ann");
}

// A face file whose first line names someone else still swaps, views and all, by its file.
TEST_F(FaceBrowser, FacesAreReloadedFromTheirFilesWhateverNameTheyHold) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    folder.write("Cy.txt", sample::face("Cyril Smith", "Singer"));
    window.File1.Refresh();
    select("Cy.txt");
    window.selectFace1_Click();
    select("Di.txt");
    window.selectFace2_Click();
    window.SwapButton_Click();
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(window.Person2.Caption, "Cyril Smith");
    EXPECT_EQ(window.face2Photo.Picture(), picture("Cy1.jpg"));
    window.face2NextView_Click();
    EXPECT_EQ(window.face2Photo.Picture(), picture("Cy2.jpg"));
}

TEST_F(FaceBrowser, ListModeAndFaceListModeSwitchTheComparisonButtons) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    folder.write("Some.lst", "Ann.txt\r\n99999\r\n");
    window.ListFiles.Refresh();
    window.ListsButton_Click();
    EXPECT_TRUE(window.ListEditButton.Enabled);
    EXPECT_FALSE(window.File1.Visible);
    EXPECT_TRUE(window.ListFiles.Visible);
    window.ListFiles.setListIndex(0);
    EXPECT_FALSE(window.CompListButton.Enabled) << "no face 1 yet";
    window.Allbutton_Click();
    EXPECT_FALSE(window.CompButton.Enabled);
    select("Ann.txt");
    window.selectFace1_Click();
    window.ListsButton_Click();
    EXPECT_FALSE(window.CompButton.Enabled);
    window.ListFiles.setListIndex(-1);
    window.ListFiles.setListIndex(0);
    EXPECT_TRUE(window.CompListButton.Enabled);
    window.Allbutton_Click();
    EXPECT_FALSE(window.CompListButton.Enabled);
    EXPECT_TRUE(window.CompButton.Enabled);
    EXPECT_FALSE(window.ListEditButton.Enabled);
}

// Choosing the same list again is a click like any other.
TEST_F(FaceBrowser, ChoosingTheSameListAgainEnablesCompareWithListAgain) {
    addFaces({"Ann", "Bob", "Cy", "Di"});
    folder.write("Some.lst", "Ann.txt\r\n99999\r\n");
    window.ListFiles.Refresh();
    select("Ann.txt");
    window.selectFace1_Click();
    window.ListsButton_Click();
    window.ListFiles.clickEntry(0);
    ASSERT_TRUE(window.CompListButton.Enabled);
    window.Allbutton_Click();
    window.ListsButton_Click();
    EXPECT_FALSE(window.CompListButton.Enabled);
    window.ListFiles.clickEntry(0);
    EXPECT_TRUE(window.CompListButton.Enabled);
}

// Every face the browser lists opens, whatever bytes its name holds on disk: UTF-8 beyond
// Windows-1252 and Latin-1 alike, photos included.
TEST_F(FaceBrowser, FacesOpenWhateverBytesTheirNamesHold) {
    addFaces({"Ann", "Bob"});
    const auto onDisk = [this](const std::string& stem) {
        std::ofstream(folder.path() / (stem + ".txt"), std::ios::binary)
            << sample::face("Someone", "Singer");
        for (int view = 0; view <= 4; ++view) {
            std::ofstream(folder.path() / (stem + std::to_string(view) + ".jpg"), std::ios::binary)
                << sample::jpeg();
        }
    };
    const std::string polish = "\xC5\x81ukasz W\xC3\xB3jcik";
    const std::string latin1 = "Jos\xE9";
    onDisk(polish);
    onDisk(latin1);
    window.File1.Refresh();
    ASSERT_EQ(window.File1.ListCount(), 4);
    EXPECT_EQ(window.File1.List(2), latin1 + ".txt");
    EXPECT_EQ(window.File1.List(3), polish + ".txt");
    select(polish + ".txt");
    window.selectFace1_Click();
    select(latin1 + ".txt");
    window.selectFace2_Click();
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(program.FaceFile1, polish + ".txt");
    EXPECT_EQ(program.FaceFile2, latin1 + ".txt");
    EXPECT_EQ(window.face1Photo.Picture(), picture(polish + "3.jpg"));
    EXPECT_EQ(window.face2Photo.Picture(), picture(latin1 + "1.jpg"));
    window.SwapButton_Click();
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(window.face1Photo.Picture(), picture(latin1 + "3.jpg"));
    EXPECT_EQ(window.face2Photo.Picture(), picture(polish + "1.jpg"));
}

// A run over the folder reads a face whose name on disk is Latin-1 like any other.
TEST_F(FaceBrowser, ARunComparesFacesWhateverBytesTheirNamesHold) {
    addFaces({"Ann", "Bob", "Cy"});
    std::ofstream(folder.path() / "Jos\xE9.txt", std::ios::binary)
        << sample::face("Jos\xE9", "Singer");
    window.File1.Refresh();
    select("Ann.txt");
    window.selectFace1_Click();
    ASSERT_TRUE(window.CompButton.Enabled);
    window.CompButton_Click();
    EXPECT_TRUE(platform.errors.empty());
    const auto& names = program.Top.TopNames;
    EXPECT_NE(std::find(names.begin(), names.end(), "Jos\xE9"), names.end());
}
