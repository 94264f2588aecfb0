#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "analysis/mainwindow/analysis_window.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

bool startsWithMailto(std::string_view address) {
    constexpr std::string_view kMailto = "mailto:";
    return address.size() >= kMailto.size() &&
           std::equal(kMailto.begin(), kMailto.end(), address.begin(), [](char want, char got) {
               return want == std::tolower(static_cast<unsigned char>(got));
           });
}

// A stored address such as "www.example.org" carries no scheme; handed over bare, the desktop
// would take it for a file name. One that names its own scheme is used as it stands.
std::string webAddress(std::string_view address) {
    std::string full(address);
    if (full.find("://") == std::string::npos && !startsWithMailto(full)) {
        full.insert(0, "http://");
    }
    return full;
}

// The face loaders keep a face's web address in its link's tool tip, empty when it has none.
void openWebLink(common::Platform& platform, const forms::Image& link) {
    const std::string address = common::Trim(link.ToolTipText);
    if (address.empty()) {
        return;
    }
    platform.openDocument(webAddress(address));
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

// A start folder without the help page: nothing happens.
void Analysis::HelpButton_Click() {
    const std::string page =
        common::joinPath(common::joinPath(program_.AppPath, "help"), "Online Help.htm");
    if (!common::fileExists(page)) {
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
