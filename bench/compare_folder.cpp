// Developer tool: runs "Run Comparisons" of the analysis program headless over a data folder.
//
//   compare_folder <data folder> <face file name>
//
// The program starts in the working directory, so a Prefs.prf there sets the weights. The face
// (its file name, ".txt" may be left off) becomes face 1 as the select button makes it; the run
// leaves its result record files in the data folder. Prints the run's time and the three places.
// Exit codes: 0 done, 1 usage or no such folder, 2 face not in the folder, 3 the program reported
// an error, 4 a statistics file of the folder is missing or damaged.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench/headless_analysis.h"
#include "common/text/cp1252.h"

namespace {

int reportErrors(const facegen::HeadlessAnalysis& session) {
    for (const std::string& error : session.platform.errors) {
        std::fprintf(stderr, "compare_folder: %s\n", common::cp1252ToUtf8(error).c_str());
    }
    return 3;
}

void printCaption(const forms::Label& place) {
    std::printf("%s\n", common::cp1252ToUtf8(place.Caption).c_str());
}

int run(const std::filesystem::path& folderPath, const std::string& face) {
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

    const auto begin = std::chrono::steady_clock::now();
    session.runFolderComparison();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    if (session.failed()) {
        return reportErrors(session);
    }
    const auto& window = session.program.MainWindow;
    std::printf("%.3f s for %d faces\n", elapsed.count(), window.File1.ListCount());
    printCaption(window.FirstPlace);
    printCaption(window.SecondPlace);
    printCaption(window.ThirdPlace);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare_folder <data folder> <face file name>\n");
        return 1;
    }
    try {
        return run(std::filesystem::path(argv[1]), common::utf8ToCp1252(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "compare_folder: %s\n", e.what());
        return 3;
    }
}
