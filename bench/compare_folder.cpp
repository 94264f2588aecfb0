// Developer tool: runs "Run Comparisons" of the analysis program headless over a data folder.
//
//   compare_folder <data folder> <face file name> [--list <list file name>]
//                  [--view <0-6> [--web-links]]
//
// The program starts in the working directory, so a Prefs.prf there sets the weights. The face
// (its file name, ".txt" may be left off) becomes face 1 as the select button makes it; the run
// leaves its result record files in the data folder. Prints the run's time and the places the
// window shows: one for each face the run ranked, up to three, none when it ranked none.
// With --list, the run is "Compare with List" over that list of the data folder (its name as the
// folder lists it, ".lst" included) instead of the whole folder, and the count printed is the
// list's. A run that left out faces it could not read says so on standard error; that is a
// notice: the exit code stays 0.
// With --view, the results window then does what View does at the first press after the run
// with that report style chosen (0: none), every style enabled: it sorts the lists and writes the
// report pages into the data folder, and the page View would open is printed. --web-links ticks
// "With Web Links?" before the run and leaves it ticked at View, so the pages show the links.
// Exit codes: 0 done, 1 usage or no such folder, 2 face or list not in the folder, 3 the program
// reported an error, 4 a statistics file of the folder is missing or damaged, 5 the folder is in
// use by another comparison (at the run or at the View).
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "bench/headless_analysis.h"
#include "common/text/cp1252.h"

namespace {

int reportErrors(const facegen::HeadlessAnalysis& session) {
    for (const std::string& error : session.platform.errors) {
        std::fprintf(stderr, "compare_folder: %s\n", common::shownInUtf8(error).c_str());
    }
    return session.folderWasInUse() ? 5 : 3;
}

void reportNotices(const facegen::HeadlessAnalysis& session) {
    for (const std::string& notice : session.platform.notices) {
        std::fprintf(stderr, "compare_folder: %s\n", common::shownInUtf8(notice).c_str());
    }
}

void printIfShown(const forms::Label& place) {
    if (place.Visible) {
        std::printf("%s\n", common::shownInUtf8(place.Caption).c_str());
    }
}

struct Options {
    // -1: no View.
    int view = -1;
    bool webLinks = false;
    // Empty: the whole folder.
    std::string list;
};

int run(const std::filesystem::path& folderPath, const std::string& face, const Options& options) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folderPath, ec)) {
        std::fprintf(stderr, "compare_folder: no folder %s\n", folderPath.string().c_str());
        return 1;
    }
    const std::filesystem::path start = std::filesystem::current_path(ec);
    if (ec) {
        std::fprintf(stderr, "compare_folder: the working directory cannot be read\n");
        return 1;
    }

    facegen::HeadlessAnalysis session(common::fromPath(start));
    session.openFolder(common::fromPath(folderPath));
    if (session.failed()) {
        return reportErrors(session);
    }
    if (const std::string fault = session.statisticsFault(); !fault.empty()) {
        std::fprintf(stderr, "compare_folder: %s\n", common::cp1252ToUtf8(fault).c_str());
        return 4;
    }
    const bool chosen = session.chooseFirstFace(face) ||
                        (!face.ends_with(".txt") && session.chooseFirstFace(face + ".txt"));
    if (!chosen) {
        std::fprintf(stderr, "compare_folder: %s is not a face file of %s\n",
                     common::cp1252ToUtf8(face).c_str(), folderPath.string().c_str());
        return 2;
    }
    if (session.failed()) {
        return reportErrors(session);
    }
    // Each file may read on its own and the set still be refused as one (files of two statistics
    // runs): loading face 1 then shows the missing-statistics window, which says why.
    if (const auto& refused = session.program.NoMedianWindow; refused.Visible()) {
        std::fprintf(stderr, "compare_folder: %s\n",
                     common::shownInUtf8(refused.Problem.Caption).c_str());
        return 4;
    }

    if (options.webLinks) {
        session.setWebLinks(true);
    }
    const auto& window = session.program.MainWindow;
    int faces = window.File1.ListCount();
    const auto begin = std::chrono::steady_clock::now();
    if (options.list.empty()) {
        session.runFolderComparison();
    } else if (const std::optional<int> listed = session.runListComparison(options.list)) {
        faces = *listed;
    } else {
        std::fprintf(stderr, "compare_folder: %s is not a list file of %s\n",
                     common::cp1252ToUtf8(options.list).c_str(), folderPath.string().c_str());
        return 2;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    if (session.failed()) {
        return reportErrors(session);
    }
    reportNotices(session);
    std::printf("%.3f s for %d faces\n", elapsed.count(), faces);
    printIfShown(window.FirstPlace);
    printIfShown(window.SecondPlace);
    printIfShown(window.ThirdPlace);
    if (options.view < 0) {
        return 0;
    }
    const auto viewBegin = std::chrono::steady_clock::now();
    session.viewResults(options.view);
    const std::chrono::duration<double> viewed = std::chrono::steady_clock::now() - viewBegin;
    if (session.failed()) {
        return reportErrors(session);
    }
    std::printf("%.3f s for the report pages\n", viewed.count());
    for (const std::string& page : session.platform.openedDocuments) {
        std::printf("%s\n", common::cp1252ToUtf8(page).c_str());
    }
    return 0;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 3; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--view" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            if (value.size() != 1 || value[0] < '0' || value[0] > '6') {
                return false;
            }
            options.view = value[0] - '0';
        } else if (arg == "--web-links") {
            options.webLinks = true;
        } else if (arg == "--list" && i + 1 < argc && options.list.empty()) {
            options.list = common::utf8ToCp1252(argv[++i]);
            if (options.list.empty()) {
                return false;
            }
        } else {
            return false;
        }
    }
    // Links without a View would change nothing the driver shows.
    return !options.webLinks || options.view >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (argc < 3 || !parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: compare_folder <data folder> <face file name> "
                     "[--list <list file name>] [--view <0-6> [--web-links]]\n");
        return 1;
    }
    try {
        return run(std::filesystem::path(argv[1]), common::utf8ToCp1252(argv[2]), options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "compare_folder: %s\n", e.what());
        return 3;
    }
}
