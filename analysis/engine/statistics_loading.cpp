#include "analysis/engine/statistics_loading.h"

#include <array>
#include <string>

#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/int16.h"

namespace analysis {

namespace {

// One statistics file and the arrays its values go to.
struct StatisticsSource {
    common::TextFileReader& file;
    FaceCoords& coords;
    FaceAngles& angles;
};

using Sources = std::array<StatisticsSource, 3>;

void skipLines(Sources& sources, int count) {
    for (int i = 0; i < count; ++i) {
        for (auto& source : sources) {
            source.file.lineInput();
        }
    }
}

void skipItems(Sources& sources, int count) {
    for (int i = 0; i < count; ++i) {
        for (auto& source : sources) {
            source.file.inputItem();
        }
    }
}

// The "99999" that ends the profile values is held as 9999, like the end line of a face file.
void readCoords(Sources& sources, int first, int last) {
    for (int i = first; i <= last; ++i) {
        for (auto& source : sources) {
            std::string item = source.file.inputItem();
            if (common::Val(item) > 9999) {
                item = "9999";
            }
            source.coords[i] = common::toInt16(common::Val(item));
        }
    }
}

void readAngles(Sources& sources, int first, int last) {
    for (int i = first; i <= last; ++i) {
        for (auto& source : sources) {
            source.angles[i] = common::toInt16(common::Val(source.file.inputItem()));
        }
    }
}

}  // namespace

void readStatistics(common::TextFileReader& upper, common::TextFileReader& lower,
                    common::TextFileReader& median, FaceStatistics& statistics) {
    Sources sources{{{upper, statistics.UpperCoords, statistics.UpperAngles},
                     {lower, statistics.LowerCoords, statistics.LowerAngles},
                     {median, statistics.MedianCoords, statistics.MedianAngles}}};
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
    try {
        common::TextFileReader upper(common::joinPath(folder, upperName));
        common::TextFileReader lower(common::joinPath(folder, lowerName));
        common::TextFileReader median(common::joinPath(folder, medianName));
        readStatistics(upper, lower, median, program.Statistics);
    } catch (const common::Error&) {
        program.NoMedianWindow.Show();
    }
}

}  // namespace analysis
