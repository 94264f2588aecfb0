#include "analysis/reports/results_window.h"

#include "analysis/engine/comparison/data_folder_lock.h"
#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/program.h"
#include "analysis/reports/busy_pointer.h"
#include "analysis/reports/report_steps.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"

namespace analysis {

Results::Results(AnalysisProgram& program)
    : forms::Window(program.app(), "Results"), program_(program) {
    Caption = "Results";
    styleFrame.Caption = "Results style";
    Style1.Caption = "3 best matches in detail";
    Style2.Caption = "All matches, sorted by result";
    Style3.Caption = "Feature match only";
    Style4.Caption = "Height";
    Style5.Caption = "Colouration";
    Style6.Caption = "Profile";
    WebLinkCheck.Caption = "With Web Links?";
    ViewButton.Caption = "View";
    cancelButton.Caption = "Cancel";
    ResPrefs.Caption = "Preferences";
    HiddenResults.Visible = false;
    HiddenResults.MultiLine = true;
    const char* previews[6] = {"design:report1", "design:report2", "design:report3",
                               "design:report4", "design:report5", "design:report6"};
    forms::Image* images[6] = {&style1Preview, &style2Preview, &style3Preview,
                               &style4Preview, &style5Preview, &style6Preview};
    for (int i = 0; i < 6; ++i) {
        images[i]->setDesignPicture(previews[i]);
        images[i]->Visible = i == 0;
    }
    Style1.onClick = [this] { Style1_Click(); };
    Style2.onClick = [this] { Style2_Click(); };
    Style3.onClick = [this] { Style3_Click(); };
    Style4.onClick = [this] { Style4_Click(); };
    Style5.onClick = [this] { Style5_Click(); };
    Style6.onClick = [this] { Style6_Click(); };
    ViewButton.onClick = [this] { ViewButton_Click(); };
    cancelButton.onClick = [this] { cancelButton_Click(); };
    cancelButton.Cancel = true;
    layOut();
}

void Results::showPreview(int style) {
    forms::Image* images[6] = {&style1Preview, &style2Preview, &style3Preview,
                               &style4Preview, &style5Preview, &style6Preview};
    for (int i = 0; i < 6; ++i) {
        images[i]->Visible = i + 1 == style;
    }
}

void Results::Style1_Click() {
    showPreview(1);
}

void Results::Style2_Click() {
    showPreview(2);
}

void Results::Style3_Click() {
    showPreview(3);
}

void Results::Style4_Click() {
    showPreview(4);
    if (!program_.HeightsSorted) {
        onRunLists([this] {
            BusyPointer busy(*this);
            SortHeightResults(program_);
        });
    }
}

void Results::Style5_Click() {
    showPreview(5);
}

void Results::Style6_Click() {
    showPreview(6);
}

// The pages are written once per comparison run, at its first View, and again at a View whose
// "With Web Links?" differs from theirs, so every page links as the box stands. A View that fails
// part-way leaves the next one to write every page, from the lists as sorted: a list already
// sorted for this run is never sorted again. Every View first makes sure the lists are still the
// run's: once another program's run has replaced them, its View has replaced the pages too.
void Results::ViewButton_Click() {
    const bool ours = onRunLists([this] {
        const bool withLinks = WebLinkCheck.Value() == 1;
        if (program_.PagesBuilt == -1 && program_.PagesWithWebLinks == withLinks) {
            return;
        }
        if (!program_.Results2Sorted) {
            SortResults2(program_);
        }
        if (!program_.ProfilesSorted) {
            SortProfileResults(program_);
        }
        // The heights are sorted when their style is chosen; a choice refused leaves it here.
        if (Style4.Value() && !program_.HeightsSorted) {
            SortHeightResults(program_);
        }
        WriteProfilePage(program_);
        WriteResultsPage1(program_);
        WriteResultsPage2(program_);
        WriteResultsPage3(program_);
        if (program_.HeightsPageWritten && !Style4.Value()) {
            WriteHeightsPage(program_);
        }
        if (program_.ColoursPageWritten && !Style5.Value()) {
            WriteColoursPage(program_);
        }
        program_.PagesBuilt = -1;
        program_.PagesWithWebLinks = withLinks;
    });
    if (!ours) {
        return;
    }
    app().platform().openDocument(common::joinPath(program_.MainWindow.Dir1.Path(), chosenPage()));
}

// The folder is held while the lists are worked on and let go before any message opens. Lists
// that are no longer those of this program's last completed run are refused: the user is told,
// and Output Results stays closed until the next run.
bool Results::onRunLists(const std::function<void()>& work) {
    std::string refusal;
    {
        const DataFolderLock lock(program_.MainWindow.Dir1.Path());
        refusal = program_.Lists.whyNotShown();
        if (refusal.empty()) {
            work();
        }
    }
    if (refusal.empty()) {
        return true;
    }
    program_.MainWindow.disableResults();
    app().platform().reportError(refusal);
    return false;
}

std::string Results::chosenPage() const {
    const std::pair<const forms::OptionButton*, const char*> pages[] = {
        {&Style2, "Results_2.htm"},
        {&Style3, "Results_3.htm"},
        {&Style4, "Results_Heights.htm"},
        {&Style5, "Results_Colours.htm"},
        {&Style6, "Results_Profile.htm"}};
    std::string page = "Results_1.htm";
    for (const auto& [style, name] : pages) {
        if (style->Value()) {
            page = name;
        }
    }
    return page;
}

void Results::cancelButton_Click() {
    Hide();
}

void Results::layOut() {
    Width = pixels(560);
    Height = pixels(330);
    place(htmlNote, 16, 12, 528, 36);
    place(styleFrame, 16, 56, 280, 212);
    forms::OptionButton* styles[6] = {&Style1, &Style2, &Style3, &Style4, &Style5, &Style6};
    for (int i = 0; i < 6; ++i) {
        styles[i]->Container = &styleFrame;
        place(*styles[i], 12, 24 + 30 * i, 256, 24);
    }
    for (forms::Image* image : {&style1Preview, &style2Preview, &style3Preview, &style4Preview,
                                &style5Preview, &style6Preview}) {
        place(*image, 312, 56, 232, 176);
    }
    place(WebLinkCheck, 312, 244, 232, 24);
    place(ResPrefs, 16, 284, 160, 30);
    place(ViewButton, 296, 284, 120, 30);
    place(cancelButton, 424, 284, 120, 30);
}

}  // namespace analysis
