#include "vismaker/stats/read_face_values.h"

#include <span>
#include <string>
#include <vector>

#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"

namespace vismaker {

namespace {

using Lines = std::vector<std::string_view>;

// Value slices are cut from one line only: a short value such as " 7" must not read on into the
// next line, where Val, which skips line ends, would make 71 of " 7" and "1".
Lines splitLines(std::string_view text) {
    Lines lines;
    // A face file has about a hundred lines.
    lines.reserve(128);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

bool holdsStar(std::string_view slice) {
    return slice.find('*') != std::string_view::npos;
}

// Index of the line after the first line, from index from on, that holds the head.
std::size_t firstValueLine(const Lines& lines, std::size_t from, std::string_view head) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].find(head) != std::string_view::npos) {
            return i + 1;
        }
    }
    throw common::Error(common::ErrorCode::InputPastEnd,
                        "section head " + std::string(head) + " not found");
}

[[noreturn]] void missingEnd(std::string_view head) {
    throw common::Error(common::ErrorCode::InputPastEnd,
                        "section " + std::string(head) + " has no end line");
}

[[noreturn]] void tooManyValues(std::string_view head) {
    throw common::Error(common::ErrorCode::SubscriptOutOfRange,
                        "section " + std::string(head) + " holds too many values");
}

enum class Stars { KeepPrevious, ReadAsZero };

struct PointsRead {
    std::size_t nextLine = 0;  // the line after the section's end line
    bool measuredX = false;    // an x slice without "*" was stored
};

// Reads "x, y" lines into consecutive positions up to the line whose x is 9999 or more. With
// Stars::KeepPrevious a slice holding "*" leaves its position alone.
PointsRead readPoints(const Lines& lines, std::string_view head, std::span<std::int16_t> values,
                      Stars stars) {
    PointsRead read;
    std::size_t k = 0;
    for (std::size_t i = firstValueLine(lines, 0, head); i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string_view xSlice = line.substr(0, 5);
        const double x = common::Val(xSlice);
        if (x >= 9999) {
            read.nextLine = i + 1;
            return read;
        }
        if (k + 2 > values.size()) {
            tooManyValues(head);
        }
        // A line without a comma has an empty Y slice, which reads as 0 and is stored.
        const std::size_t comma = line.find(',');
        const std::string_view ySlice =
            comma != std::string_view::npos ? line.substr(comma + 1, 5) : std::string_view{};
        if (stars == Stars::ReadAsZero) {
            values[k] = common::toInt16(x);
            values[k + 1] = common::toInt16(common::Val(ySlice));
        } else {
            if (!holdsStar(xSlice)) {
                values[k] = common::toInt16(x);
                read.measuredX = true;
            }
            if (!holdsStar(ySlice)) {
                values[k + 1] = common::toInt16(common::Val(ySlice));
            }
        }
        k += 2;
    }
    missingEnd(head);
}

// Reads one angle per line up to the line that reads above 999 ("99999"); returns the index of the
// line after that end line. "*" reads as 0.
std::size_t readAngles(const Lines& lines, std::size_t from, std::string_view head,
                       std::span<std::int16_t> values) {
    std::size_t k = 0;
    for (std::size_t i = firstValueLine(lines, from, head); i < lines.size(); ++i) {
        const double angle = common::Val(lines[i].substr(0, 4));
        if (angle > 999) {
            return i + 1;
        }
        if (k >= values.size()) {
            tooManyValues(head);
        }
        values[k++] = common::toInt16(angle);
    }
    missingEnd(head);
}

}  // namespace

bool ReadFaceValues(std::string_view faceText, FaceValues& values) {
    const Lines lines = splitLines(faceText);
    // Filled on a copy so that a face that fails half-way leaves nothing of itself behind.
    FaceValues updated = values;
    const bool profileFlag =
        readPoints(lines, "NormY1", updated.profilePoints, Stars::KeepPrevious).measuredX;
    const std::size_t afterPortrait =
        readPoints(lines, "NormY2", updated.portraitPoints, Stars::ReadAsZero).nextLine;
    // The angle heads are looked for after the sections before them.
    const std::size_t afterProfileAngles =
        readAngles(lines, afterPortrait, "Angles1", updated.profileAngles);
    readAngles(lines, afterProfileAngles, "Angles2", updated.portraitAngles);
    values = updated;
    return profileFlag;
}

}  // namespace vismaker
