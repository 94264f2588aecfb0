#include "analysis/engine/face_file.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr int kPairCount = 47;

std::int16_t leadingNumber(std::string_view line) {
    return common::toInt16(common::Val(line));
}

void skipLines(common::TextFileReader& file, int count) {
    for (int i = 0; i < count; ++i) {
        file.lineInput();
    }
}

void readPair(std::string line, int pair, FaceFileContents& face) {
    // The "99999,99999" line that ends a section is held as 9999, 9999.
    if (common::Val(line) > 32768) {
        line = "9999";
    }
    const auto comma = line.find(',');
    face.coords[2 * pair - 1] = leadingNumber(line);
    face.coords[2 * pair] =
        leadingNumber(comma == std::string::npos ? std::string_view(line)
                                                 : std::string_view(line).substr(comma + 1));
}

// The text between the first "[" and the first "]" after it; an address line that lost its
// "]" keeps the rest of the line.
std::string addressIn(std::string_view line) {
    const auto open = line.find('[');
    const auto close = line.find(']', open + 1);
    return std::string(
        line.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
}

// A "[" line ends the trailer, so a "#" or "~" inside a web address is never taken as height
// or colours, and nothing after the address line is read.
void readTrailer(common::TextFileReader& file, FaceFileContents& face) {
    std::string line;
    try {
        while (true) {
            line = file.lineInput();
            if (line.find('[') != std::string::npos) {
                face.webAddress = addressIn(line);
                return;
            }
            if (line.find('~') != std::string::npos) {
                face.colourLine = line;
            }
            if (line.find('#') != std::string::npos) {
                face.height = leadingNumber(line);
            }
        }
    } catch (const common::Error&) {
        // The end of the file, or a height outside 16 bits, ends the trailer.
    }
}

}  // namespace

void readFixedPart(common::TextFileReader& file, FaceFileContents& face) {
    face.name = file.lineInput();
    face.info = file.lineInput();
    skipLines(file, 2);
    for (int pair = 1; pair <= kPairCount; ++pair) {
        readPair(file.lineInput(), pair, face);
    }
    skipLines(file, 2);
    // The "Angles1" and "Angles2" head lines read as 0 into elements 1 and 20; profile angle 19
    // is dropped with the two lines after it.
    for (int j = 1; j <= 19; ++j) {
        face.angles[j] = leadingNumber(file.lineInput());
    }
    skipLines(file, 3);
    for (int j = 20; j <= 30; ++j) {
        face.angles[j] = leadingNumber(file.lineInput());
    }
}

FaceFileContents parseFaceFile(std::string text) {
    auto file = common::TextFileReader::fromText(std::move(text));
    FaceFileContents face;
    readFixedPart(file, face);
    readTrailer(file, face);
    return face;
}

std::string withPortraitOnlyTag(std::string_view info, std::string_view portraitOnlyText) {
    const std::size_t open = common::InStr(info, "(");
    if (open == 0) {
        return std::string(info);
    }
    return common::Left(info, open) + std::string(portraitOnlyText) + ")";
}

}  // namespace analysis
