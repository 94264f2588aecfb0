#pragma once

#include <cstdint>
#include <string>

#include "analysis/engine/face_slot.h"
#include "analysis/engine/face_statistics.h"
#include "analysis/mainwindow/analysis_window.h"
#include "analysis/mainwindow/no_median_window.h"
#include "analysis/mainwindow/ui_words.h"
#include "common/forms/application.h"

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
    FaceStatistics Statistics;
    UiWords Words;

    // True (-1) from start-up on: "Output Results" then offers fewer report styles.
    std::int16_t LimitReportStyles = 0;
    // The folder the program started in: preferences and help are found there.
    std::string AppPath;
    // True (-1) for heights in feet and inches.
    std::int16_t ImperialUnits = 0;

    Analysis MainWindow{*this};
    NoMedian NoMedianWindow{app_};
};

}  // namespace analysis
