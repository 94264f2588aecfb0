#include "analysis/engine/statistics_loading.h"

#include <array>
#include <string>
#include <vector>

#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

// One statistics file and the arrays its values go to.
struct StatisticsSource {
    std::size_t index;
    common::TextFileReader& file;
    FaceCoords& coords;
    FaceAngles& angles;
};

using Sources = std::array<StatisticsSource, 3>;

// Runs one read of one file; a failure names the file it happened in.
template <typename Read>
void fromFile(StatisticsSource& source, Read read) {
    try {
        read(source);
    } catch (const StatisticsFileError&) {
        throw;
    } catch (const common::Error& error) {
        throw StatisticsFileError(source.index, error);
    }
}

void skipLines(Sources& sources, int count) {
    for (int i = 0; i < count; ++i) {
        for (auto& source : sources) {
            fromFile(source, [](StatisticsSource& s) { s.file.lineInput(); });
        }
    }
}

void skipItems(Sources& sources, int count) {
    for (int i = 0; i < count; ++i) {
        for (auto& source : sources) {
            fromFile(source, [](StatisticsSource& s) { s.file.inputItem(); });
        }
    }
}

// The "99999" that ends the profile values is held as 9999, like the end line of a face file.
void readCoords(Sources& sources, int first, int last) {
    for (int i = first; i <= last; ++i) {
        for (auto& source : sources) {
            fromFile(source, [i](StatisticsSource& s) {
                std::string item = s.file.inputItem();
                if (common::Val(item) > 9999) {
                    item = "9999";
                }
                s.coords[i] = common::toInt16(common::Val(item));
            });
        }
    }
}

void readAngles(Sources& sources, int first, int last) {
    for (int i = first; i <= last; ++i) {
        for (auto& source : sources) {
            fromFile(source, [i](StatisticsSource& s) {
                s.angles[i] = common::toInt16(common::Val(s.file.inputItem()));
            });
        }
    }
}

constexpr std::size_t kFileCount = 3;
using Paths = std::array<std::string, kFileCount>;
using Names = std::array<std::string_view, kFileCount>;

// What is wrong with one file, in the words of the missing-statistics window.
std::string problemWith(std::string_view path, const common::Error& error) {
    std::string text = common::heldToUtf8(path);
    switch (error.code()) {
        case common::ErrorCode::FileNotFound:
            return text + " is missing.";
        case common::ErrorCode::InputPastEnd:
            return text + " is damaged: it ends too early.";
        case common::ErrorCode::Overflow:
            return text + " is damaged: it holds a value out of range.";
        default:
            return text + " cannot be read: " + error.reason() + ".";
    }
}

// Line 2 of a statistics file not yet read from, "Face data from N faces": which run of the
// builder made it.
std::string runLine(common::TextFileReader file) {
    file.lineInput();
    return file.lineInput();
}

// The faces count of a run line; the line itself, quoted, where it is not one.
std::string facesCount(std::string_view line) {
    constexpr std::string_view kHead = "Face data from";
    constexpr std::string_view kTail = " faces";
    if (line.starts_with(kHead) && line.ends_with(kTail)) {
        return common::Trim(line.substr(kHead.size(), line.size() - kHead.size() - kTail.size())) +
               " faces";
    }
    return "\"" + std::string(line) + "\"";
}

// Reads the three files once into the statistics. Gives what is wrong, "" when all three read;
// their run lines are left in runLines.
std::string readOnce(const Paths& paths, FaceStatistics& statistics, Paths& runLines) {
    std::vector<common::TextFileReader> files;
    files.reserve(kFileCount);
    for (const std::string& path : paths) {
        try {
            files.emplace_back(path);
        } catch (const common::Error& error) {
            return problemWith(path, error);
        }
    }
    const std::vector<common::TextFileReader> unread = files;
    try {
        readStatistics(files[0], files[1], files[2], statistics);
    } catch (const StatisticsFileError& error) {
        return problemWith(paths[error.file()], error);
    }
    // Every file held its first lines, or it could not have been read.
    for (std::size_t i = 0; i < kFileCount; ++i) {
        runLines[i] = runLine(unread[i]);
    }
    return {};
}

bool sameRun(const Paths& runLines) {
    return runLines[0] == runLines[1] && runLines[1] == runLines[2];
}

std::string disagreement(std::string_view folder, const Names& names, const Paths& runLines) {
    std::string text = "The statistics files in " + common::heldToUtf8(folder) +
                       " are damaged: they come from different runs (";
    for (std::size_t i = 0; i < kFileCount; ++i) {
        text += std::string(names[i]) + ": " + facesCount(runLines[i]);
        text += i + 1 < kFileCount ? ", " : ").";
    }
    return text;
}

}  // namespace

void readStatistics(common::TextFileReader& upper, common::TextFileReader& lower,
                    common::TextFileReader& median, FaceStatistics& statistics) {
    Sources sources{{{0, upper, statistics.UpperCoords, statistics.UpperAngles},
                     {1, lower, statistics.LowerCoords, statistics.LowerAngles},
                     {2, median, statistics.MedianCoords, statistics.MedianAngles}}};
    skipLines(sources, 4);
    readCoords(sources, 1, 47);
    skipLines(sources, 2);
    // The words of the "NormX2, NormY2" head line are the first two items here and give the
    // zeros at 53 and 54, so portrait point k lands at 53 + 2k, 54 + 2k.
    readCoords(sources, 53, 94);
    skipItems(sources, 2);
    skipLines(sources, 2);
    readAngles(sources, 1, 19);
    skipItems(sources, 2);
    skipLines(sources, 2);
    readAngles(sources, 20, 29);
}

void LoadVisFiles(AnalysisProgram& program, std::string_view upperName, std::string_view lowerName,
                  std::string_view medianName) {
    const std::string& folder = program.MainWindow.Dir1.Path();
    const Names names{upperName, lowerName, medianName};
    const Paths paths{common::joinPath(folder, upperName), common::joinPath(folder, lowerName),
                      common::joinPath(folder, medianName)};
    Paths runLines;
    std::string problem = readOnce(paths, program.Statistics, runLines);
    if (problem.empty() && !sameRun(runLines)) {
        // A statistics run may be between its renames: a second reading decides.
        problem = readOnce(paths, program.Statistics, runLines);
        if (problem.empty() && !sameRun(runLines)) {
            problem = disagreement(folder, names, runLines);
        }
    }
    if (problem.empty()) {
        return;
    }
    program.NoMedianWindow.Problem.Caption = problem;
    program.NoMedianWindow.Show();
}

}  // namespace analysis
