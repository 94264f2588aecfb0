#include "vismaker/stats/vis_files.h"

#include <span>

#include "common/files/safe_save.h"
#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/int16.h"

namespace vismaker {

namespace {

void midpoints(std::span<const std::int16_t> maxima, std::span<const std::int16_t> minima,
               std::span<std::int16_t> mid) {
    for (std::size_t i = 0; i < mid.size(); ++i) {
        // In 32 bits the range never overflows, and the midpoint lies between the limits.
        const std::int32_t range = std::int32_t{maxima[i]} - std::int32_t{minima[i]};
        mid[i] = common::toInt16(common::Int(range / 2.0) + minima[i]);
    }
}

// One value line: every value in leading-blank form followed by ",", then the end mark.
std::string valueLine(std::span<const std::int16_t> values) {
    std::string line;
    for (const std::int16_t value : values) {
        line += common::Str(value);
        line += ',';
    }
    line += "99999,99999";
    line += common::kCrLf;
    return line;
}

// Lines 2 to 14, shared by the three files.
std::string body(const FaceValues& values, int fileCount) {
    const std::string crLf(common::kCrLf);
    return "Face data from" + common::Str(fileCount) + " faces" + crLf + crLf + "NormX1, NormY1" +
           crLf + valueLine(values.profilePoints) + crLf + "NormX2, NormY2" + crLf +
           valueLine(values.portraitPoints) + crLf + "Angles1" + crLf +
           valueLine(values.profileAngles) + crLf + "Angles2" + crLf +
           valueLine(values.portraitAngles);
}

}  // namespace

FaceValues MidValues(const Limits& limits) {
    FaceValues mid;
    midpoints(limits.maxValues.profilePoints, limits.minValues.profilePoints, mid.profilePoints);
    midpoints(limits.maxValues.portraitPoints, limits.minValues.portraitPoints, mid.portraitPoints);
    midpoints(limits.maxValues.profileAngles, limits.minValues.profileAngles, mid.profileAngles);
    midpoints(limits.maxValues.portraitAngles, limits.minValues.portraitAngles, mid.portraitAngles);
    return mid;
}

VisFiles BuildVisFiles(const Limits& limits, int fileCount) {
    VisFiles files;
    files.midValues = MidValues(limits);
    const std::string crLf(common::kCrLf);
    files.upper = "Max values" + crLf + body(limits.maxValues, fileCount);
    files.lower = "Min values" + crLf + body(limits.minValues, fileCount);
    // Stored as one quoted item, so the file opens with a quote and closes with a lone one.
    files.median = common::quotedItem("Average face" + crLf + body(files.midValues, fileCount));
    return files;
}

void SaveVisFiles(std::string_view folder, const VisFiles& files) {
    const std::string upper = common::joinPath(folder, "Upper.vis");
    const std::string lower = common::joinPath(folder, "Lower.vis");
    const std::string median = common::joinPath(folder, "Median.vis");
    const common::FileContent set[] = {
        {upper, files.upper}, {lower, files.lower}, {median, files.median}};
    common::saveFilesTogether(set);
}

FaceValues WriteVisFiles(std::string_view folder, const Limits& limits, int fileCount) {
    const VisFiles files = BuildVisFiles(limits, fileCount);
    SaveVisFiles(folder, files);
    return files.midValues;
}

}  // namespace vismaker
