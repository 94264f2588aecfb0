// The statistics builder's reading of face files (up to four, NUL-separated in one input), folded
// into limits and written as statistics files, which the analysis program must read back value
// for value.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "analysis/engine/statistics_loading.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"
#include "vismaker/stats/limits.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

namespace {

// A coordinate above 9999 reads back as the 9999 that ends a section.
void checkCoords(const analysis::FaceCoords& coords, const vismaker::FaceValues& values) {
    for (std::size_t k = 0; k < values.profilePoints.size(); ++k) {
        fuzz::check(coords[static_cast<int>(k) + 1] ==
                        std::min<std::int16_t>(values.profilePoints[k], 9999),
                    "profile points read back");
    }
    fuzz::check(coords[47] == 9999, "the profile section's end mark reads as 9999");
    // The head line's two words fill 53 and 54; points 1 to 20 follow, point 21 is not read.
    fuzz::check(coords[53] == 0 && coords[54] == 0, "the portrait head line reads as zeros");
    for (std::size_t k = 0; k + 2 < values.portraitPoints.size(); ++k) {
        fuzz::check(coords[static_cast<int>(k) + 55] ==
                        std::min<std::int16_t>(values.portraitPoints[k], 9999),
                    "portrait points read back");
    }
}

// The head words "Angles1" and "Angles2" fill 1 and 20; profile angle 19 and portrait angle 10
// are not read.
void checkAngles(const analysis::FaceAngles& angles, const vismaker::FaceValues& values) {
    fuzz::check(angles[1] == 0 && angles[20] == 0, "the angle head words read as zeros");
    for (std::size_t k = 0; k + 1 < values.profileAngles.size(); ++k) {
        fuzz::check(angles[static_cast<int>(k) + 2] == values.profileAngles[k],
                    "profile angles read back");
    }
    for (std::size_t k = 0; k + 1 < values.portraitAngles.size(); ++k) {
        fuzz::check(angles[static_cast<int>(k) + 21] == values.portraitAngles[k],
                    "portrait angles read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto faces = fuzz::files(fuzz::text(data, size), 4);
    vismaker::FaceValues values;
    vismaker::Limits limits;
    int read = 0;
    for (const std::string& face : faces) {
        const vismaker::FaceValues before = values;
        try {
            vismaker::ReadFaceValues(face, values);
        } catch (const common::Error&) {
            fuzz::check(values == before, "a face that cannot be read changes nothing");
            continue;
        }
        vismaker::UpdateLimits(values, limits);
        ++read;
    }
    if (read == 0) {
        return 0;
    }
    vismaker::VisFiles files;
    try {
        files = vismaker::BuildVisFiles(limits, read);
    } catch (const common::Error&) {
        return 0;  // a range beyond 16 bits is refused before anything is written
    }
    auto upper = common::TextFileReader::fromText(files.upper);
    auto lower = common::TextFileReader::fromText(files.lower);
    auto median = common::TextFileReader::fromText(files.median);
    analysis::FaceStatistics statistics;
    try {
        analysis::readStatistics(upper, lower, median, statistics);
    } catch (const common::Error&) {
        fuzz::check(false, "the analysis program reads the statistics the builder writes");
    }
    checkCoords(statistics.UpperCoords, limits.maxValues);
    checkCoords(statistics.LowerCoords, limits.minValues);
    checkCoords(statistics.MedianCoords, files.midValues);
    checkAngles(statistics.UpperAngles, limits.maxValues);
    checkAngles(statistics.LowerAngles, limits.minValues);
    checkAngles(statistics.MedianAngles, files.midValues);
    return 0;
}
