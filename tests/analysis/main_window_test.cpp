#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/analysis/program_fixture.h"
#include "tests/support/tidy_layout.h"

using forms::ControlKind;

namespace {

// Pairs of controls that are meant to lie over one another: the labels over the swatches and
// the hot areas over the places.
const std::set<std::pair<std::string, std::string>> kMeantToOverlap{
    {"Face1Colour1", "FC1"},        {"Face1Colour2", "FC2"},
    {"Face1Colour3", "FC3"},        {"Face2Colour1", "FC1B"},
    {"Face2Colour2", "FC2B"},       {"Face2Colour3", "FC3B"},
    {"FirstPlace", "FirstHotArea"}, {"SecondPlace", "SecondHotArea"},
    {"ThirdPlace", "ThirdHotArea"},
};

using MainWindow = ProgramFixture;

}  // namespace

TEST_F(MainWindow, EveryControlByNameAndKind) {
    std::map<std::string, ControlKind> expected{
        {"Label1", ControlKind::Label},          {"Drive1", ControlKind::DriveListBox},
        {"Dir1", ControlKind::DirListBox},       {"File1", ControlKind::FileListBox},
        {"ListFiles", ControlKind::FileListBox}, {"SecretListBox", ControlKind::TextBox},
    };
    for (const char* name : {"Person1",
                             "Person2",
                             "View1",
                             "View2",
                             "SwapButton",
                             "FC1",
                             "FC2",
                             "FC3",
                             "FC1B",
                             "FC2B",
                             "FC3B",
                             "FirstPlace",
                             "SecondPlace",
                             "ThirdPlace",
                             "FirstHotArea",
                             "SecondHotArea",
                             "ThirdHotArea",
                             "ProgressLabel",
                             "CurrentProgress",
                             "CurrentTotal",
                             "CurrentSubtotal"}) {
        expected[name] = ControlKind::Label;
    }
    const std::vector<std::string> labelButtons{"Allbutton",      "ListsButton",  "Command1",
                                                "Command4",       "CompButton",   "CompListButton",
                                                "ListEditButton", "OutputButton", "PlotterButton",
                                                "PrefButton",     "HelpButton",   "QuitButton"};
    for (const auto& name : labelButtons) {
        expected[name] = ControlKind::Label;
    }
    for (const char* name : {"Image1", "Image2", "Picture1", "TabPicture", "Blankbit"}) {
        expected[name] = ControlKind::PictureBox;
    }
    for (const char* name : {"Command5", "Command6", "URL1", "URL2"}) {
        expected[name] = ControlKind::Image;
    }
    for (const char* name : {"Face1Colour1", "Face1Colour2", "Face1Colour3", "Face2Colour1",
                             "Face2Colour2", "Face2Colour3"}) {
        expected[name] = ControlKind::Shape;
    }

    EXPECT_EQ(window.name(), "Analysis");
    EXPECT_EQ(window.controls().size(), expected.size());
    for (const auto& [name, kind] : expected) {
        const forms::Control* control = window.find(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->kind(), kind) << name;
    }
    for (const auto& name : labelButtons) {
        const auto* button = static_cast<const forms::Label*>(window.find(name));
        EXPECT_TRUE(button->ButtonLike) << name;
        EXPECT_FALSE(button->ToolTipText.empty()) << name;
        EXPECT_FALSE(button->Caption.empty()) << name;
    }
    EXPECT_EQ(window.face1NextView.Picture(), "design:next");
    EXPECT_EQ(window.URL2.Picture(), "design:link");
    EXPECT_TRUE(window.SecretListBox.MultiLine);
    EXPECT_FALSE(window.SecretListBox.Visible);
}

TEST_F(MainWindow, DesignStateBeforeAnySelection) {
    EXPECT_EQ(window.File1.Pattern(), "*.txt");
    EXPECT_EQ(window.ListFiles.Pattern(), "*.lst");
    for (const forms::Control* waiting : std::initializer_list<const forms::Control*>{
             &window.face1NextView, &window.face2NextView, &window.PlotterButton,
             &window.CompButton, &window.CompListButton, &window.ListEditButton}) {
        EXPECT_FALSE(waiting->Enabled) << waiting->name();
    }
    EXPECT_TRUE(window.selectFace1.Enabled);
    EXPECT_TRUE(window.File1.Visible);
    EXPECT_FALSE(window.ListFiles.Visible);
    EXPECT_FALSE(window.URL1.Visible);
}

TEST_F(MainWindow, StartUpWithoutSampleDataStaysInTheStartFolder) {
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(window.Caption, "Tovrel Suite - Analysis Module v4.05");
    EXPECT_EQ(window.Dir1.Path(), folder.text());
    EXPECT_EQ(window.File1.Path(), folder.text());
    EXPECT_EQ(window.ListFiles.Path(), folder.text());
    EXPECT_EQ(window.File1.ToolTipText, " 0 faces");
    EXPECT_EQ(program.AppPath, folder.text());

    EXPECT_EQ(window.browseHeading.Caption, "Browse for face .txt files :");
    EXPECT_EQ(window.selectFace1.Caption, "Select face 1");
    EXPECT_EQ(window.selectFace2.Caption, "Select face 2");
    EXPECT_EQ(window.OutputButton.Caption, "Output Results");
    EXPECT_EQ(window.ProgressLabel.Caption, "Comparisons completed over whole database:");
    EXPECT_EQ(window.CurrentProgress.Caption, "Comparisons completed between current faces:");
    EXPECT_EQ(window.Person1.Caption, "No data has been loaded.");
    EXPECT_EQ(window.Person2.Caption, "No data has been loaded.");
    EXPECT_EQ(window.View1.Caption, "Typical");
    EXPECT_EQ(window.View2.Caption, "Typical");

    EXPECT_EQ(program.LimitReportStyles, -1);
    EXPECT_EQ(program.ImperialUnits, 0);
    EXPECT_FALSE(program.Face1.Loaded);
    EXPECT_FALSE(program.Face2.Loaded);
    EXPECT_EQ(window.Face1Colour1.FillStyle, forms::kFillTransparent);
    EXPECT_EQ(program.Words.SamplesWord, " samples. ");
    EXPECT_EQ(program.Words.ColoursWord, "");
    EXPECT_EQ(program.Words.FooterFaceWord, "");

    const auto& noMedian = program.NoMedianWindow;
    EXPECT_FALSE(noMedian.Visible());
    EXPECT_EQ(noMedian.Caption, "Error: A .vis file is missing!");
    EXPECT_EQ(noMedian.quitButton.Caption, "Quit the Analysis Module and run the Vismaker Module");
    EXPECT_TRUE(
        noMedian.missingFileMessage.Caption.starts_with("The Analysis module cannot continue"));
}

TEST(MainWindowStart, OpensSampleDataBelowTheStartFolder) {
    TempFolder folder;
    const std::string data = folder.subfolder("Sample data");
    for (const char* name : {"Sample data/Ann.txt", "Sample data/Bob.txt", "Sample data/Cid.txt",
                             "Sample data/Singers.lst", "Top.txt"}) {
        folder.write(name, "x");
    }
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program(app);
    program.start();
    const auto& window = program.MainWindow;
    EXPECT_EQ(window.Dir1.Path(), data);
    EXPECT_EQ(window.File1.Path(), data);
    EXPECT_EQ(window.File1.ListCount(), 3);
    EXPECT_EQ(window.File1.ToolTipText, " 3 faces");
    EXPECT_EQ(window.ListFiles.ListCount(), 1);
    EXPECT_EQ(program.AppPath, folder.text());
}

TEST_F(MainWindow, FolderChangeMovesBothListsAndCountsFaces) {
    const std::string other = folder.subfolder("Other");
    folder.write("Other/A.txt", "x");
    folder.write("Other/B.txt", "x");
    folder.write("Other/L.lst", "x");
    program.Words.FacesWord = " visages";
    window.Dir1.setPath(other);
    EXPECT_EQ(window.File1.Path(), other);
    EXPECT_EQ(window.ListFiles.List(0), "L.lst");
    EXPECT_EQ(window.File1.ToolTipText, " 2 visages");
}

TEST_F(MainWindow, QuittingEndsTheProgram) {
    window.QuitButton.click();
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(platform.ended);
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProgram) {
    window.userClose();
    EXPECT_TRUE(app.ended());
}

TEST_F(MainWindow, LayoutIsTidy) {
    EXPECT_EQ(window.Width, 15000);
    EXPECT_EQ(window.Height, 10500);
    // Every control that may show at some time, links included.
    window.URL1.Visible = true;
    window.URL2.Visible = true;
    // The list files share the face list's place and the scratch text box never shows, so both
    // stay out.
    testsupport::expectTidyLayout(window, {.meantToOverlap = kMeantToOverlap,
                                           .leftOut = {"ListFiles", "SecretListBox"},
                                           .hiddenToo = true,
                                           .canvasItemsToo = true});
    EXPECT_EQ(window.ListFiles.Left, window.File1.Left);
    EXPECT_EQ(window.ListFiles.Top, window.File1.Top);
    EXPECT_EQ(window.ListFiles.Width, window.File1.Width);
    EXPECT_EQ(window.ListFiles.Height, window.File1.Height);
    for (const auto& [under, over] : kMeantToOverlap) {
        const auto* a = window.find(under);
        const auto* b = window.find(over);
        EXPECT_EQ(a->Left, b->Left) << over;
        EXPECT_EQ(a->Top, b->Top) << over;
        EXPECT_EQ(a->Width, b->Width) << over;
        EXPECT_EQ(a->Height, b->Height) << over;
    }
    testsupport::expectTidyLayout(program.NoMedianWindow,
                                  {.hiddenToo = true, .canvasItemsToo = true});
}
