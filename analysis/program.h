#pragma once

#include <cstdint>
#include <string>

#include "analysis/engine/face_slot.h"
#include "analysis/engine/face_statistics.h"
#include "analysis/engine/pair_scores.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/mainwindow/analysis_window.h"
#include "analysis/mainwindow/list_form.h"
#include "analysis/mainwindow/no_median_window.h"
#include "analysis/mainwindow/prefs_form.h"
#include "analysis/mainwindow/quick_key_chooser.h"
#include "analysis/mainwindow/ui_words.h"
#include "analysis/plotter/colours_window.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/plotter/plotter_state.h"
#include "analysis/reports/results_window.h"
#include "analysis/reports/run_lists.h"
#include "common/forms/application.h"
#include "common/text/strings.h"

namespace analysis {

// The analysis program: the state its windows and procedures share, and the windows themselves.
// One object per run; a test makes a fresh one in one line.
class AnalysisProgram {
    // First, so the windows below can reach it while they are built.
    forms::Application& app_;

  public:
    explicit AnalysisProgram(forms::Application& app);
    AnalysisProgram(const AnalysisProgram&) = delete;
    AnalysisProgram& operator=(const AnalysisProgram&) = delete;

    forms::Application& app() const { return app_; }

    // Shows the main window, whose load handler prepares the whole program.
    void start();

    FaceSlot Face1;
    FaceSlot Face2;
    // The face data files the loaders last filled the slots from ("<stem>.txt"); "" until then.
    // Face 1 counts as loaded once it has one.
    std::string FaceFile1;
    std::string FaceFile2;
    FaceStatistics Statistics;
    UiWords Words;

    // True (-1) from start-up on: "Output Results" then offers fewer report styles.
    std::int16_t LimitReportStyles = 0;
    // The folder the program started in: preferences and help are found there.
    std::string AppPath;
    // True (-1) for heights in feet and inches.
    std::int16_t ImperialUnits = 0;

    // The comparison run: the scores of the current pair, the best candidate by feature and the
    // nine best matches.
    PairScores Scores;
    BestByFeature Best;
    TopNine Top;
    // -1 once the report pages of the current run are written; 0 after every run.
    std::int16_t PagesBuilt = 0;
    // Whether the pages were last written with web links: a View with the other choice writes
    // them again, the heights and colours pages too once a View of this run has written them.
    bool PagesWithWebLinks = false;
    bool HeightsPageWritten = false;
    bool ColoursPageWritten = false;
    // True once HeightResults.tmp is sorted for the current run; the same for Results2.tmp (into
    // Results2b.tmp) and ProfileResults.tmp. A sort uses up its list, so none runs twice for one
    // run, whatever failed after it.
    bool HeightsSorted = false;
    bool Results2Sorted = false;
    bool ProfilesSorted = false;
    // The lists of the last completed run, as this program left them.
    RunLists Lists;

    Analysis MainWindow{*this};
    NoMedian NoMedianWindow{app_};
    Results ResultsWindow{*this};

    // Preferences: the weights live in the sliders of PrefsWindow, which the comparison reads
    // as they stand; Prefs.prf keeps them and the values below between runs.
    PrefsForm PrefsWindow{*this};
    QuickKeyChooser QuickKeyChooserWindow{*this};
    // Plot colours: 0 until the preferences are read, which give the design colours when
    // Prefs.prf has none.
    std::int32_t PlotBackgroundColour = 0;
    std::int32_t PlotColourA = 0;
    std::int32_t PlotColourB = 0;
    std::int32_t PlotColourC = 0;
    // The quick key, 1 to 10, whose face the quick-key chooser is choosing.
    int QuickKeyIndex = 1;

    // The plotter, its colour chooser and what it remembers; the list editor.
    PlotterForm PlotterWindow{*this};
    Colours ColoursWindow{*this};
    PlotterState Plotter;
    ListForm ListWindow{*this};
};

}  // namespace analysis
