#include <array>
#include <string>
#include <vector>

#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/data_folder_lock.h"
#include "analysis/engine/comparison/left_out_faces.h"
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

// While a run goes on the places are hidden and the pointer is an hourglass. A run that fails,
// even on an error, hands the window back as the last completed run left it: the places shown or
// hidden as they were, the best match of each feature and the report styles its lists allow. One
// that completes leaves the places to its ranking.
class RunInProgress {
  public:
    explicit RunInProgress(AnalysisProgram& program)
        : program_(program),
          window_(program.MainWindow),
          best_(program.Best),
          profilesStyle_(program.ResultsWindow.Style6.Enabled) {
        for (std::size_t i = 0; i < kShown.size(); ++i) {
            wasVisible_[i] = (window_.*kShown[i]).Visible;
        }
        window_.setBusy(true);
        for (forms::Control* place :
             std::initializer_list<forms::Control*>{&window_.Blankbit, &window_.FirstPlace,
                                                    &window_.SecondPlace, &window_.ThirdPlace}) {
            place->Visible = false;
        }
    }
    ~RunInProgress() {
        if (!completed_) {
            for (std::size_t i = 0; i < kShown.size(); ++i) {
                (window_.*kShown[i]).Visible = wasVisible_[i];
            }
            program_.Best = best_;
            program_.ResultsWindow.Style6.Enabled = profilesStyle_;
        }
        window_.Blankbit.Visible = true;
        window_.setBusy(false);
    }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

    // The run's lists are in place.
    void completed() { completed_ = true; }

  private:
    using Shown = forms::Label Analysis::*;
    static constexpr std::array<Shown, 6> kShown = {
        &Analysis::FirstPlace,   &Analysis::SecondPlace,   &Analysis::ThirdPlace,
        &Analysis::FirstHotArea, &Analysis::SecondHotArea, &Analysis::ThirdHotArea};

    AnalysisProgram& program_;
    Analysis& window_;
    BestByFeature best_;
    bool profilesStyle_;
    std::array<bool, 6> wasVisible_{};
    bool completed_ = false;
};

}  // namespace

// The run is over the folder as it is now, however many faces it holds; the list it leaves
// decides whether another run may start, even when this one fails.
void Analysis::CompButton_Click() {
    refreshFaceList();
    judgeFolderRun();
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

// The run is complete once its lists are in place: only then does it take over the best matches,
// the report state and Output Results. The folder is held from the start until then, and let go
// before any message can open.
void Analysis::runComparison(const std::vector<std::string>& candidates,
                             const std::vector<std::string_view>& pages,
                             const std::function<std::string(int)>& progress) {
    std::vector<ResultRecord> compared;
    LeftOutFaces leftOut;
    const bool withColours = Face1Colour1.FillStyle != forms::kFillTransparent;
    {
        RunInProgress running(program_);
        const DataFolderLock lock(Dir1.Path());
        program_.ResultsWindow.Style6.Enabled = false;
        // Only this run's candidates may be the best of a feature.
        program_.Best = {};

        ResultFiles files(Dir1.Path());
        files.emptyPages(pages);
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            if (auto record = CompareCandidate(program_, files, candidates[k], leftOut)) {
                compared.push_back(std::move(*record));
            }
            CurrentTotal.Caption = progress(static_cast<int>(k));
            CurrentTotal.Refresh();
        }
        files.close(withColours);
        program_.Lists.recordRun(Dir1.Path());
        running.completed();
    }
    program_.PagesBuilt = 0;
    program_.HeightsPageWritten = false;
    program_.ColoursPageWritten = false;
    program_.HeightsSorted = false;
    program_.Results2Sorted = false;
    program_.ProfilesSorted = false;
    program_.ResultsWindow.Style5.Enabled = withColours;
    OutputButton.Enabled = true;
    face2NextView.Enabled = true;

    RankTopNine(program_, compared);
    FillQuickKeys(program_);

    showPlaces();
    // A place the run did not fill names no face; face 2 then stays the last candidate compared.
    if (program_.Top.filled(1)) {
        LoadSecondFace(program_, program_.Top.TopNames[1] + ".txt");
    }
    CurrentTotal.Caption = "100%";
    CurrentSubtotal.Caption = "100%";
    View1.Caption = program_.Words.ViewFullLength;
    View2.Caption = program_.Words.ViewFullLength;
    face1NextView_Click();
    face2NextView_Click();
    if (leftOut.count() > 0) {
        // The completed run shows behind the notice.
        Refresh();
        app().platform().showNotice(leftOut.notice());
    }
}

// Output Results and a View stay closed until the next run completes.
void Analysis::disableResults() {
    OutputButton.Enabled = false;
    program_.Lists.forget();
    program_.ResultsWindow.Hide();
}

// Each place the ranking filled shows its face and its hot area; the others are hidden and name
// nothing.
void Analysis::showPlaces() {
    const TopNine& top = program_.Top;
    const UiWords& words = program_.Words;
    const std::string* prefixes[3] = {&words.FirstPlacePrefix, &words.SecondPlacePrefix,
                                      &words.ThirdPlacePrefix};
    forms::Label* places[3] = {&FirstPlace, &SecondPlace, &ThirdPlace};
    forms::Label* hotAreas[3] = {&FirstHotArea, &SecondHotArea, &ThirdHotArea};
    for (std::size_t k = 1; k <= 3; ++k) {
        const bool filled = top.filled(k);
        places[k - 1]->Caption = filled
                                     ? *prefixes[k - 1] + nameBesideWords(words, top.TopNames[k]) +
                                           " " + common::Str(top.TopTotals[k]) + "%"
                                     : std::string();
        places[k - 1]->Visible = filled;
        hotAreas[k - 1]->Visible = filled;
    }
}

// As at start-up: no place, no progress of a run.
void Analysis::withdrawResults() {
    disableResults();
    for (forms::Label* shown :
         {&FirstPlace, &SecondPlace, &ThirdPlace, &FirstHotArea, &SecondHotArea, &ThirdHotArea}) {
        shown->Visible = false;
    }
    CurrentTotal.Caption = "0%";
    CurrentSubtotal.Caption = "0%";
}

}  // namespace analysis
