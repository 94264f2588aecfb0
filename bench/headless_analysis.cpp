#include "bench/headless_analysis.h"

namespace facegen {

HeadlessAnalysis::HeadlessAnalysis(std::string startFolder)
    : app(platform, std::move(startFolder)), program(app) {
    app.dispatch([this] { program.start(); });
}

void HeadlessAnalysis::openFolder(std::string_view folder) {
    app.dispatch([this, folder] { program.MainWindow.Dir1.setPath(std::string(folder)); });
}

bool HeadlessAnalysis::chooseFirstFace(std::string_view fileName) {
    auto& window = program.MainWindow;
    for (int i = 0; i < window.File1.ListCount(); ++i) {
        if (window.File1.List(i) == fileName) {
            app.dispatch([&window, i] {
                window.File1.setListIndex(i);
                window.Command1_Click();
            });
            return true;
        }
    }
    return false;
}

void HeadlessAnalysis::runFolderComparison() {
    app.dispatch([this] { program.MainWindow.CompButton_Click(); });
}

}  // namespace facegen
