#include <string>

#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/program.h"

namespace analysis {

// Each candidate ranks by its own name and scores as the run knew them: read back from
// Results.tmp, a name or description holding "=", " -" or "~" would shift another's.
void RankTopNine(AnalysisProgram& program, const std::vector<ResultRecord>& candidates) {
    program.Top = analysis::RankTopNine(candidates, program.MainWindow.Person1.Caption);
}

void FillQuickKeys(AnalysisProgram& program) {
    PrefsForm& prefs = program.PrefsWindow;
    if (prefs.AutoTopTen.Value() != 1) {
        return;
    }
    // A key beyond the ranked faces is left empty, which does nothing when pressed.
    const TopNine& top = program.Top;
    for (std::size_t i = 2; i <= 10; ++i) {
        prefs.F1Person(static_cast<int>(i)).Caption = top.filled(i - 1) ? top.TopNames[i - 1] : "";
    }
    prefs.F1Person(1).Caption = program.MainWindow.Person1.Caption;
}

}  // namespace analysis
