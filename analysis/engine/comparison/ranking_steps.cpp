#include <string>

#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/result_files.h"
#include "analysis/engine/ranking/colour_ranking.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"

namespace analysis {

namespace {
std::string inDataFolder(const AnalysisProgram& program, std::string_view name) {
    return common::joinPath(program.MainWindow.Dir1.Path(), name);
}
}  // namespace

// Each candidate ranks by its own name and scores as the run knew them: read back from
// Results.tmp, a name or description holding "=", " -" or "~" would shift another's.
void RankTopNine(AnalysisProgram& program, const std::vector<ResultRecord>& candidates) {
    program.Top = analysis::RankTopNine(candidates, program.MainWindow.Person1.Caption,
                                        program.ResultsWindow.WebLinkCheck.Value() == 1);
}

void RankColourResults(AnalysisProgram& program) {
    const std::string path = inDataFolder(program, ResultFiles::kColours);
    forms::OptionButton& coloursPage = program.ResultsWindow.Style5;
    if (program.MainWindow.Face1Colour1.FillStyle == forms::kFillTransparent) {
        coloursPage.Enabled = false;
        common::writeWholeFile(path, kNoColourResults);
        return;
    }
    coloursPage.Enabled = true;
    common::writeWholeFile(path, rankColourRecords(common::readWholeFile(path)));
}

void FillQuickKeys(AnalysisProgram& program) {
    PrefsForm& prefs = program.PrefsWindow;
    if (prefs.AutoTopTen.Value() != 1) {
        return;
    }
    for (int i = 2; i <= 10; ++i) {
        prefs.F1Person(i).Caption = program.Top.TopNames[static_cast<std::size_t>(i - 1)];
    }
    prefs.F1Person(1).Caption = program.MainWindow.Person1.Caption;
}

}  // namespace analysis
