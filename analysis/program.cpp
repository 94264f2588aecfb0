#include "analysis/program.h"

namespace analysis {

AnalysisProgram::AnalysisProgram(forms::Application& app) : app_(app) {}

void AnalysisProgram::start() {
    MainWindow.Show();
}

}  // namespace analysis
