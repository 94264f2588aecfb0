#include "bench/headless_analysis.h"

#include "analysis/engine/comparison/data_folder_lock.h"
#include "analysis/engine/statistics_loading.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace facegen {

HeadlessAnalysis::HeadlessAnalysis(std::string startFolder)
    : app(platform, std::move(startFolder)), program(app) {
    app.dispatch([this] { program.start(); });
}

void HeadlessAnalysis::openFolder(std::string_view folder) {
    app.dispatch([this, folder] { program.MainWindow.Dir1.setPath(std::string(folder)); });
}

bool HeadlessAnalysis::chooseFace(std::string_view fileName, bool second) {
    auto& window = program.MainWindow;
    for (int i = 0; i < window.File1.ListCount(); ++i) {
        if (window.File1.List(i) == fileName) {
            app.dispatch([&window, i, second] {
                window.File1.setListIndex(i);
                if (second) {
                    window.selectFace2_Click();
                } else {
                    window.selectFace1_Click();
                }
            });
            return true;
        }
    }
    return false;
}

bool HeadlessAnalysis::chooseFirstFace(std::string_view fileName) {
    return chooseFace(fileName, false);
}

bool HeadlessAnalysis::chooseSecondFace(std::string_view fileName) {
    return chooseFace(fileName, true);
}

// Each file is read on its own, as all three of the set, so a fault is put down to its file.
std::string HeadlessAnalysis::statisticsFault() const {
    for (std::string_view name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        const std::string path = common::joinPath(program.MainWindow.Dir1.Path(), name);
        if (!common::fileExists(path)) {
            return path + " is missing";
        }
        try {
            const std::string text = common::readWholeFile(path);
            auto upper = common::TextFileReader::fromText(text);
            auto lower = common::TextFileReader::fromText(text);
            auto median = common::TextFileReader::fromText(text);
            analysis::FaceStatistics statistics;
            analysis::readStatistics(upper, lower, median, statistics);
        } catch (const common::Error& e) {
            return path + " is damaged (" + e.reason() + ")";
        }
    }
    return {};
}

void HeadlessAnalysis::dispatchNotingTheLock(const std::function<void()>& handler) {
    app.dispatch([this, &handler] {
        try {
            handler();
        } catch (const analysis::FolderInUse&) {
            folderInUse_ = true;
            throw;
        }
    });
}

void HeadlessAnalysis::runFolderComparison() {
    dispatchNotingTheLock([this] { program.MainWindow.CompButton_Click(); });
}

std::optional<int> HeadlessAnalysis::runListComparison(std::string_view listName) {
    auto& window = program.MainWindow;
    app.dispatch([&window] { window.ListsButton_Click(); });
    for (int i = 0; i < window.ListFiles.ListCount(); ++i) {
        if (window.ListFiles.List(i) == listName) {
            app.dispatch([&window, i] {
                window.ListFiles.setListIndex(i);
                window.ListFiles_Click();
            });
            dispatchNotingTheLock([&window] { window.CompListButton_Click(); });
            return static_cast<int>(common::Val(window.SecretListBox.ToolTipText));
        }
    }
    return std::nullopt;
}

void HeadlessAnalysis::setWebLinks(bool ticked) {
    app.dispatch([this, ticked] { program.ResultsWindow.WebLinkCheck.setValue(ticked ? 1 : 0); });
}

void HeadlessAnalysis::viewResults(int style) {
    analysis::Results& results = program.ResultsWindow;
    forms::OptionButton* styles[6] = {&results.Style1, &results.Style2, &results.Style3,
                                      &results.Style4, &results.Style5, &results.Style6};
    for (forms::OptionButton* option : styles) {
        option->Enabled = true;
    }
    if (style >= 1 && style <= 6) {
        dispatchNotingTheLock([option = styles[style - 1]] { option->setValue(true); });
    }
    if (!failed()) {
        dispatchNotingTheLock([&results] { results.ViewButton_Click(); });
    }
}

}  // namespace facegen
