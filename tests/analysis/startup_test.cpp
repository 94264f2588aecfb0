#include <gtest/gtest.h>

#include <string>

#include "tests/analysis/program_fixture.h"

namespace {

using StartUp = ProgramFixture;

}  // namespace

TEST_F(StartUp, MainWindowInEnglish) {
    EXPECT_EQ(window.Caption, "Tovrel Suite - Analysis Module v4.05");
    EXPECT_EQ(window.browseHeading.Caption, "Browse for face .txt files :");
    EXPECT_EQ(window.CurrentProgress.Caption, "Comparisons completed between current faces:");
    EXPECT_EQ(window.ProgressLabel.Caption, "Comparisons completed over whole database:");
    EXPECT_EQ(window.selectFace1.Caption, "Select face 1");
    EXPECT_EQ(window.selectFace2.Caption, "Select face 2");
    EXPECT_EQ(window.PrefButton.Caption, "Preferences");
    EXPECT_EQ(window.PlotterButton.Caption, "Plotter");
    EXPECT_EQ(window.CompButton.Caption, "Run Comparisons");
    EXPECT_EQ(window.OutputButton.Caption, "Output Results");
    EXPECT_EQ(window.QuitButton.Caption, "Quit");
    EXPECT_EQ(window.HelpButton.Caption, "Help");
    EXPECT_EQ(window.File1.ToolTipText, " 0 faces");
    EXPECT_EQ(window.View1.Caption, "Typical");
    EXPECT_EQ(window.View2.Caption, "Typical");
    EXPECT_EQ(window.Person1.Caption, "No data has been loaded.");
    EXPECT_EQ(window.Person2.Caption, "No data has been loaded.");
    // The main window wears the plotter's icon.
    EXPECT_FALSE(window.Icon.empty());
    EXPECT_EQ(window.Icon, program.PlotterWindow.Icon);
}

TEST_F(StartUp, ColourChooserTexts) {
    const analysis::Colours& colours = program.ColoursWindow;
    EXPECT_EQ(colours.ColourA.ToolTipText, "Set colour A");
    EXPECT_EQ(colours.ColourB.ToolTipText, "Set colour B");
    EXPECT_EQ(colours.ColourC.ToolTipText, "Set colour C");
    // Texts without English words of their own get plain ones.
    EXPECT_EQ(colours.Caption, "Colours");
    EXPECT_EQ(colours.RedSlider.ToolTipText, "Red");
    EXPECT_EQ(colours.GreenSlider.ToolTipText, "Green");
    EXPECT_EQ(colours.BlueSlider.ToolTipText, "Blue");
    EXPECT_EQ(colours.bgButton1.Caption, "Background");
    EXPECT_FALSE(colours.Visible());
}

TEST_F(StartUp, ResultsWindowTexts) {
    const analysis::Results& results = program.ResultsWindow;
    EXPECT_EQ(results.Caption, "Results");
    EXPECT_EQ(results.htmlNote.Caption,
              "Results are in HTML. View results in any web browser or from within this "
              "application by clicking the View button.");
    EXPECT_EQ(results.styleFrame.Caption, "Results style");
    EXPECT_EQ(results.Style1.Caption, "3 best matches in detail");
    EXPECT_EQ(results.Style2.Caption, "All matches, sorted by result");
    EXPECT_EQ(results.Style3.Caption, "Feature match only");
    EXPECT_EQ(results.Style4.Caption, "Height");
    EXPECT_EQ(results.ViewButton.Caption, "View");
    EXPECT_EQ(results.ResPrefs.Caption, "Preferences");
    EXPECT_EQ(results.cancelButton.Caption, "Cancel");
    EXPECT_EQ(results.WebLinkCheck.Caption, "With Web Links?");
    EXPECT_EQ(program.Words.SamplesWord, " samples. ");
    EXPECT_FALSE(results.Visible());
}

TEST_F(StartUp, PlotterLoadedButNotShown) {
    const analysis::PlotterForm& plotter = program.PlotterWindow;
    EXPECT_TRUE(plotter.Loaded());
    EXPECT_FALSE(plotter.Visible());
    EXPECT_EQ(plotter.Caption, "Plotter");
    EXPECT_EQ(plotter.CheckBoxC.Caption, "Database Average");
    EXPECT_EQ(plotter.ColourButton.ToolTipText, "Change Colours");
    EXPECT_EQ(plotter.OKbutton.ToolTipText, "Back");
    EXPECT_EQ(plotter.ProfileButton.ToolTipText, "Profile");
    EXPECT_EQ(plotter.NoseLabel.Caption, "Line of Symmetry");
    EXPECT_EQ(plotter.BottomLabel.Caption, "--- Bottom of chin");
    EXPECT_EQ(plotter.EyeLevelLabel.Caption, "Eye level");
    EXPECT_EQ(plotter.TopLabel.Caption, "--- Top of eyebrows");
    EXPECT_EQ(plotter.shadedBoxes.Caption, "Shaded Boxes");
    EXPECT_EQ(plotter.unshadedBoxes.Caption, "Unshaded Boxes");
    EXPECT_EQ(plotter.eyesViewButton.ToolTipText, "Eyes");
    EXPECT_EQ(plotter.noseViewButton.ToolTipText, "Nose");
    EXPECT_EQ(plotter.mouthViewButton.ToolTipText, "Mouth");
    EXPECT_EQ(plotter.layoutViewButton.ToolTipText, "Layout");
    EXPECT_EQ(plotter.faceShapeViewButton.ToolTipText, "Face Shape");
}

TEST_F(StartUp, PreferencesAndMissingStatisticsTexts) {
    const analysis::PrefsForm& prefs = program.PrefsWindow;
    EXPECT_EQ(prefs.Caption, "Preferences");
    EXPECT_EQ(prefs.eyeSliderLabel.Caption, "Eyes");
    EXPECT_EQ(prefs.noseSliderLabel.Caption, "Nose");
    EXPECT_EQ(prefs.mouthSliderLabel.Caption, "Mouth");
    EXPECT_EQ(prefs.faceSliderLabel.Caption, "Accuracy");
    EXPECT_EQ(prefs.jawlineSliderLabel.Caption, "Jawline");
    EXPECT_EQ(prefs.lessImportantLabel.Caption, "Less important");
    EXPECT_EQ(prefs.moreImportantLabel.Caption, "More important");
    EXPECT_TRUE(prefs.weightsExplanation.Caption.starts_with("These settings allow the user"));
    EXPECT_EQ(prefs.UnitsMetric.Caption, "Metric (cm)");
    EXPECT_EQ(prefs.UnitsImperial.Caption, "Imperial");
    EXPECT_EQ(prefs.PrefsFrame.Caption, "Unit of Measurement");
    EXPECT_FALSE(prefs.UnitsImperial.Value());

    const analysis::NoMedian& noMedian = program.NoMedianWindow;
    EXPECT_EQ(noMedian.Caption, "Error: A .vis file is missing!");
    EXPECT_EQ(noMedian.quitButton.Caption, "Quit the Analysis Module and run the Vismaker Module");
    EXPECT_EQ(noMedian.missingFileMessage.Caption,
              "The Analysis module cannot continue without one of the .vis files. The missing "
              "file needs to be created by the Vismaker module before running this program. "
              "Consult the online help for further information.");
}

TEST_F(StartUp, OnlyTheMainWindowShowsAndTheEditorsWaitForUse) {
    EXPECT_TRUE(window.Visible());
    for (const forms::Window* other : app.windows()) {
        if (other != &window) {
            EXPECT_FALSE(other->Visible()) << other->name();
        }
    }
    EXPECT_FALSE(program.ListWindow.Loaded());
    EXPECT_FALSE(program.QuickKeyChooserWindow.Loaded());
    EXPECT_TRUE(platform.errors.empty());
}

TEST(StartUpWithFaces, FaceCountInTheBrowserToolTip) {
    TempFolder folder;
    folder.subfolder("Sample data");
    for (const char* name : {"Ann.txt", "Bob.txt", "Cid.txt", "Dee.txt", "Eve.txt", "One.lst"}) {
        folder.write(std::string("Sample data/") + name, "x");
    }
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program(app);
    program.start();
    EXPECT_EQ(program.MainWindow.File1.ToolTipText, " 5 faces");
    EXPECT_EQ(program.MainWindow.Person1.Caption, "No data has been loaded.");
    EXPECT_EQ(program.MainWindow.View2.Caption, "Typical");
}
