// Developer driver: vismaker_run <folder> [--start <folder>]
//
// Does what a freshly started statistics builder does when "Select all" and then
// "Save 'Picturelog.log'" are pressed on the folder, without a desktop: every file the program
// writes is left in the folder. The start folder (default: the working directory) is where
// language.txt and the string files are looked up. Exits 1, with the status caption or the
// error on standard error, when the run stops or the log cannot be saved; 2 on a wrong command
// line or a folder that cannot be opened.
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "common/forms/application.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "vismaker/window/statistics_window.h"

namespace {

int usage() {
    std::cerr << "usage: vismaker_run <folder> [--start <folder>]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::string start = common::fromPath(std::filesystem::current_path());
    bool haveFolder = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--start" && i + 1 < argc) {
            start = argv[++i];
        } else if (!haveFolder && !arg.starts_with("--")) {
            folder = arg;
            haveFolder = true;
        } else {
            return usage();
        }
    }
    if (!haveFolder) {
        return usage();
    }

    common::RecordingPlatform platform;
    forms::Application app(platform, start);
    vismaker::StatisticsWindow window(app);
    app.dispatch([&window] { window.Show(); });
    try {
        window.Dir1.setPath(folder);
    } catch (const common::Error& error) {
        std::cerr << "vismaker_run: " << common::shownInUtf8(folder) << ": " << error.reason()
                  << "\n";
        return 2;
    }
    app.dispatch([&window] { window.selectAllButton.click(); });
    if (!window.SaveLog.Visible) {
        std::cerr << common::shownInUtf8(window.statusMessage.Caption) << "\n";
        return 1;
    }
    app.dispatch([&window] { window.SaveLog.click(); });
    if (!platform.errors.empty()) {
        std::cerr << common::shownInUtf8(platform.errors.front()) << "\n";
        return 1;
    }
    return 0;
}
