#include "analysis/mainwindow/analysis_window.h"

#include "analysis/mainwindow/language_entries.h"
#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/program.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace analysis {

namespace {

void captionColourButtons(Colours& colours) {
    colours.ColourA.ToolTipText = "Set colour A";
    colours.ColourB.ToolTipText = "Set colour B";
    colours.ColourC.ToolTipText = "Set colour C";
}

// ColoursWord has no English text: the window keeps its plain caption until a word is given.
void captionColoursWindow(Colours& colours, const UiWords& words) {
    if (!words.ColoursWord.empty()) {
        colours.Caption = words.ColoursWord;
    }
    colours.bgButton1.Caption = "Background";
}

void captionResultsWindow(Results& results) {
    results.Caption = "Results";
    results.htmlNote.Caption =
        "Results are in HTML. View results in any web browser or from within this application "
        "by clicking the View button.";
    results.styleFrame.Caption = "Results style";
    results.Style3.Caption = "Feature match only";
    results.Style1.Caption = "3 best matches in detail";
    results.Style2.Caption = "All matches, sorted by result";
    results.ViewButton.Caption = "View";
    results.ResPrefs.Caption = "Preferences";
    results.cancelButton.Caption = "Cancel";
    results.WebLinkCheck.Caption = "With Web Links?";
}

void captionPlotterWindow(PlotterForm& plotter, const UiWords& words) {
    plotter.Caption = "Plotter";
    plotter.CheckBoxC.Caption = "Database Average";
    plotter.ColourButton.ToolTipText = "Change Colours";
    plotter.OKbutton.ToolTipText = "Back";
    plotter.ProfileButton.ToolTipText = words.ViewProfile;
    plotter.NoseLabel.Caption = "Line of Symmetry";
    plotter.BottomLabel.Caption = "--- Bottom of chin";
    plotter.EyeLevelLabel.Caption = "Eye level";
    plotter.TopLabel.Caption = "--- Top of eyebrows";
    plotter.shadedBoxes.Caption = "Shaded Boxes";
    plotter.unshadedBoxes.Caption = "Unshaded Boxes";
    plotter.eyesViewButton.ToolTipText = words.EyesWord;
    plotter.noseViewButton.ToolTipText = words.NoseWord;
    plotter.mouthViewButton.ToolTipText = words.MouthWord;
    plotter.layoutViewButton.ToolTipText = words.LayoutWord;
    plotter.faceShapeViewButton.ToolTipText = words.FaceShapeWord;
}

}  // namespace

// Prepares the whole program: flags, words, captions, the data folder. No face or statistics
// file is read here. Every caption that a string file may change is set before the language is
// read, and the last captions after it, so they carry the chosen language.
void Analysis::Form_Load() {
    program_.LimitReportStyles = -1;
    // The plotter's own load runs now, before any word or preference is set.
    program_.PlotterWindow.Load();
    Icon = program_.PlotterWindow.Icon;
    program_.Face1.Loaded = false;
    program_.Face2.Loaded = false;
    startInFaceListMode();
    Caption = "Tovrel Suite - Analysis Module v4.05";
    // A transparent Face1Colour1 tells the colour ranking that face 1 has no colours.
    for (forms::Shape* swatch : {&Face1Colour1, &Face1Colour2, &Face1Colour3}) {
        swatch->FillStyle = forms::kFillTransparent;
    }
    setEnglishDefaults(program_.Words);
    // Each secondary window but the list editor and the quick-key chooser is created here as it
    // is first captioned; the colour chooser's load takes colour A as the plotter holds it now,
    // before the preferences are read.
    program_.ColoursWindow.Load();
    captionColourButtons(program_.ColoursWindow);
    captionMainWindow();
    captionColoursWindow(program_.ColoursWindow, program_.Words);
    program_.PrefsWindow.Load();
    program_.PrefsWindow.captionAtStartUp(program_.Words);
    program_.ResultsWindow.Load();
    captionResultsWindow(program_.ResultsWindow);
    program_.Words.SamplesWord = kEnglishSamplesWord;
    captionPlotterWindow(program_.PlotterWindow, program_.Words);
    program_.NoMedianWindow.Load();
    captionMissingStatisticsWindow();
    program_.AppPath = Dir1.Path();
    program_.ImperialUnits = 0;
    openSampleData();
    Drive1.setDrive("c:");
    LoadPrefs(program_);
    program_.PrefsWindow.UnitsImperial.setValue(program_.ImperialUnits != 0);
    LoadAnalysisLanguage(program_);
    showFaceCount();
    program_.ResultsWindow.Style4.Caption = program_.Words.HeightWord;
    showEmptyFaces();
}

void Analysis::startInFaceListMode() {
    File1.Visible = true;
    ListFiles.Visible = false;
    ListEditButton.Enabled = false;
}

void Analysis::captionMainWindow() {
    browseHeading.Caption = "Browse for face .txt files :";
    CurrentProgress.Caption = "Comparisons completed between current faces:";
    ProgressLabel.Caption = "Comparisons completed over whole database:";
    selectFace1.Caption = "Select face 1";
    selectFace2.Caption = "Select face 2";
    PrefButton.Caption = "Preferences";
    PlotterButton.Caption = "Plotter";
    CompButton.Caption = "Run Comparisons";
    OutputButton.Caption = "Output Results";
    QuitButton.Caption = "Quit";
    HelpButton.Caption = "Help";
}

void Analysis::captionMissingStatisticsWindow() {
    NoMedian& window = program_.NoMedianWindow;
    window.Caption = "Error: A .vis file is missing!";
    window.quitButton.Caption = "Quit the Analysis Module and run the Vismaker Module";
    window.missingFileMessage.Caption =
        "The Analysis module cannot continue without one of the .vis files. The missing file "
        "needs to be created by the Vismaker module before running this program. Consult the "
        "online help for further information.";
}

// Without a Sample data folder the browser stays in the start folder, which the folder and file
// boxes already show, and start-up goes on.
void Analysis::openSampleData() {
    try {
        Dir1.setPath(common::joinPath(Dir1.Path(), "Sample data"));
    } catch (const common::Error&) {
    }
}

void Analysis::showEmptyFaces() {
    View1.Caption = program_.Words.ViewTypical;
    View2.Caption = program_.Words.ViewTypical;
    Person1.Caption = program_.Words.NoDataText;
    Person2.Caption = program_.Words.NoDataText;
}

}  // namespace analysis
