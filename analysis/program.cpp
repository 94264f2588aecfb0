#include "analysis/program.h"

namespace analysis {

// Each secondary window stays above the window it opens from.
AnalysisProgram::AnalysisProgram(forms::Application& app) : app_(app) {
    NoMedianWindow.Owner = &MainWindow;
    ResultsWindow.Owner = &MainWindow;
    PrefsWindow.Owner = &MainWindow;
    QuickKeyChooserWindow.Owner = &PrefsWindow;
    PlotterWindow.Owner = &MainWindow;
    ColoursWindow.Owner = &PlotterWindow;
    ListWindow.Owner = &MainWindow;
}

void AnalysisProgram::start() {
    MainWindow.Show();
}

}  // namespace analysis
