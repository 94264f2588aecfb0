#include <optional>
#include <string>
#include <string_view>

#include "analysis/engine/web_address.h"
#include "analysis/mainwindow/analysis_window.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

// The face loaders keep a face's web address in its link's tool tip, empty when it has none.
// The pages' rule decides, applied to the same text as on the pages: a blank in front names
// another scheme (" http:"), so only the blanks after the address are dropped.
void openWebLink(common::Platform& platform, const forms::Image& link) {
    const std::string address = common::RTrim(link.ToolTipText);
    if (common::Trim(address).empty()) {
        return;
    }
    if (const std::optional<std::string> target = webAddress(address)) {
        platform.openWebAddress(*target);
        return;
    }
    platform.reportError("\"" + address + "\" is not a web address: it is not opened.");
}

}  // namespace

// The heights, colours, profiles and feature pages stay closed at every opening, whatever a
// comparison enabled.
void Analysis::OutputButton_Click() {
    Results& results = program_.ResultsWindow;
    if (program_.LimitReportStyles != 0) {
        for (forms::OptionButton* style :
             {&results.Style3, &results.Style4, &results.Style5, &results.Style6}) {
            style->Enabled = false;
        }
    }
    results.Show();
}

// Every opening shows the profiles at their unshifted places.
void Analysis::PlotterButton_Click() {
    PlotterState& state = program_.Plotter;
    state.ProfileShiftA = 0;
    state.ProfileShiftB = 0;
    state.ProfileShiftC = 0;
    PlotterForm& plotter = program_.PlotterWindow;
    plotter.CheckBoxA.Caption = Person1.Caption;
    plotter.CheckBoxB.Caption = Person2.Caption;
    plotter.Show();
}

// The editor opens on the data folder as it is now, for the faces to add as for the lists.
void Analysis::ListEditButton_Click() {
    ListForm& editor = program_.ListWindow;
    editor.Show();
    editor.File2Copy.setPath(Dir1.Path());
    editor.Files2Choose.setPath(Dir1.Path());
}

// A start folder without the help page is told, with the path the page was looked for at.
void Analysis::HelpButton_Click() {
    const std::string page =
        common::joinPath(common::joinPath(program_.AppPath, "help"), "Online Help.htm");
    if (!common::fileExists(page)) {
        app().platform().reportError("The page " + common::heldToUtf8(page) +
                                     " could not be opened: there is no such file.");
        return;
    }
    app().platform().openDocument(page);
}

void Analysis::URL1_Click() {
    openWebLink(app().platform(), URL1);
}

void Analysis::URL2_Click() {
    openWebLink(app().platform(), URL2);
}

}  // namespace analysis
