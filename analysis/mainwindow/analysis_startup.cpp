#include "analysis/mainwindow/analysis_window.h"

#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace analysis {

// Prepares the whole program: flags, words, captions, the data folder. No face or statistics
// file is read here. Every caption that a string file may change is set before the language is
// read, and the last captions after it, so they carry the chosen language.
void Analysis::Form_Load() {
    program_.LimitReportStyles = -1;
    // The plotter window is created here, before any word is set, once the program has one.
    program_.Face1.Loaded = false;
    program_.Face2.Loaded = false;
    startInFaceListMode();
    Caption = "Tovrel Suite - Analysis Module v4.05";
    // A transparent Face1Colour1 tells the colour ranking that face 1 has no colours.
    for (forms::Shape* swatch : {&Face1Colour1, &Face1Colour2, &Face1Colour3}) {
        swatch->FillStyle = forms::kFillTransparent;
    }
    setEnglishDefaults(program_.Words);
    captionMainWindow();
    // The secondary windows (colour chooser, preferences, results, plotter) take their
    // captions here as they join the program; the results captions come before SamplesWord.
    program_.PrefsWindow.captionAtStartUp(program_.Words);
    program_.Words.SamplesWord = kEnglishSamplesWord;
    captionMissingStatisticsWindow();
    program_.AppPath = Dir1.Path();
    program_.ImperialUnits = 0;
    openSampleData();
    Drive1.setDrive("c:");
    LoadPrefs(program_);
    program_.PrefsWindow.UnitsImperial.setValue(program_.ImperialUnits != 0);
    // The chosen language is read here.
    File1.ToolTipText = common::Str(File1.ListCount()) + program_.Words.FacesWord;
    showEmptyFaces();
}

void Analysis::startInFaceListMode() {
    File1.Visible = true;
    ListFiles.Visible = false;
    ListEditButton.Enabled = false;
}

void Analysis::captionMainWindow() {
    Label1.Caption = "Browse for face .txt files :";
    CurrentProgress.Caption = "Comparisons completed between current faces:";
    ProgressLabel.Caption = "Comparisons completed over whole database:";
    Command1.Caption = "Select face 1";
    Command4.Caption = "Select face 2";
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
    window.Command1.Caption = "Quit the Analysis Module and run the Vismaker Module";
    window.Label1.Caption =
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
