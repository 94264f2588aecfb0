#include <string>
#include <vector>

#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/result_files.h"
#include "analysis/engine/face_loading.h"
#include "analysis/mainwindow/analysis_window.h"
#include "analysis/program.h"
#include "common/files/list_file.h"
#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"

namespace analysis {

namespace {

constexpr std::string_view kEveryPage[] = {"Results_1.htm", "Results_2.htm", "Results_3.htm",
                                           "Results_4.htm"};
constexpr std::string_view kListPages[] = {"Results_1.htm", "Results_2.htm", "Results_3.htm"};

std::string percent(int i, int n) {
    return common::Str(common::Int(static_cast<double>(i) / n * 100)) + "%";
}

// While a run goes on the places are hidden and the pointer is an hourglass; however the run
// ends, even on an error, the window is handed back to the user as it was.
class RunInProgress {
  public:
    explicit RunInProgress(Analysis& window) : window_(window) {
        window_.setBusy(true);
        setPlacesVisible(false);
    }
    ~RunInProgress() {
        setPlacesVisible(true);
        window_.setBusy(false);
    }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

  private:
    void setPlacesVisible(bool visible) {
        for (forms::Control* c :
             std::initializer_list<forms::Control*>{&window_.Blankbit, &window_.FirstPlace,
                                                    &window_.SecondPlace, &window_.ThirdPlace}) {
            c->Visible = visible;
        }
    }
    Analysis& window_;
};

}  // namespace

void Analysis::CompButton_Click() {
    std::vector<std::string> candidates;
    for (int i = 0; i < File1.ListCount(); ++i) {
        candidates.push_back(File1.List(i));
    }
    const int n = static_cast<int>(candidates.size()) - 1;
    // A single candidate is the whole run: 0 of 0 steps shows as done.
    runComparison(candidates, {std::begin(kEveryPage), std::end(kEveryPage)},
                  [n](int k) { return n == 0 ? std::string("100%") : percent(k, n); });
}

void Analysis::CompListButton_Click() {
    const std::string listName = ListFiles.FileName();
    if (listName.empty()) {
        return;
    }
    // The list is read before anything is touched, so a list that cannot be read leaves the
    // results of the last run as they were.
    const std::vector<std::string> candidates =
        common::readListFile(common::joinPath(Dir1.Path(), listName), common::ListLines::FaceFiles);
    std::string scratch;
    for (const std::string& name : candidates) {
        scratch += name + "\r\n";
    }
    SecretListBox.setText("");
    SecretListBox.setText(scratch);
    const int n = static_cast<int>(candidates.size());
    SecretListBox.ToolTipText = common::Str(n);
    runComparison(candidates, {std::begin(kListPages), std::end(kListPages)},
                  [n](int k) { return percent(k + 1, n); });
}

void Analysis::runComparison(const std::vector<std::string>& candidates,
                             const std::vector<std::string_view>& pages,
                             const std::function<std::string(int)>& progress) {
    RunInProgress running(*this);
    program_.PagesBuilt = 0;
    OutputButton.Enabled = true;
    Command6.Enabled = true;
    program_.ResultsWindow.Style6.Enabled = false;
    program_.HeightsSorted = false;
    program_.Best.eyes.score = 0;
    program_.Best.nose.score = 0;
    program_.Best.mouth.score = 0;
    for (std::string_view page : pages) {
        common::writeWholeFile(common::joinPath(Dir1.Path(), page), "");
    }

    ResultFiles files(Dir1.Path());
    std::vector<ResultRecord> compared;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (auto record = CompareCandidate(program_, files, candidates[k])) {
            compared.push_back(std::move(*record));
        }
        CurrentTotal.Caption = progress(static_cast<int>(k));
        CurrentTotal.Refresh();
    }
    files.close();

    RankTopNine(program_, compared);
    RankColourResults(program_);
    FillQuickKeys(program_);

    const TopNine& top = program_.Top;
    const UiWords& words = program_.Words;
    const std::string* prefixes[3] = {&words.FirstPlacePrefix, &words.SecondPlacePrefix,
                                      &words.ThirdPlacePrefix};
    forms::Label* places[3] = {&FirstPlace, &SecondPlace, &ThirdPlace};
    for (std::size_t k = 1; k <= 3; ++k) {
        places[k - 1]->Caption = *prefixes[k - 1] + besideWords(words, top.TopNames[k]) + " " +
                                 common::Str(top.TopTotals[k]) + "%";
    }
    // With no candidate above 0 the first place is still its reset value, which names no file;
    // face 2 then stays the last candidate compared.
    if (top.TopTotals[1] > 0) {
        LoadSecondFace(program_, top.TopNames[1] + ".txt");
    }
    CurrentTotal.Caption = "100%";
    CurrentSubtotal.Caption = "100%";
    OutputButton.Enabled = true;
    View1.Caption = words.ViewFullLength;
    View2.Caption = words.ViewFullLength;
    Command5_Click();
    Command6_Click();
}

}  // namespace analysis
