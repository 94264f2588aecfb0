// A face as the transcription wizard stores it, built from the fuzzer's bytes: every face data
// file it writes must read back, with the same name, description, points, angles and colours, as
// face 1, as a candidate and in the statistics builder.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "analysis/engine/colour_line.h"
#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/face_file.h"
#include "common/facefile/face_file_writer.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "fuzz/fuzz_input.h"
#include "vismaker/stats/read_face_values.h"

namespace {

common::WizardFace wizardFace(FuzzedDataProvider& bytes) {
    common::WizardFace face;
    face.name = bytes.ConsumeRandomLengthString(40);
    face.description = bytes.ConsumeRandomLengthString(60);
    for (common::FacePoint& point : face.points) {
        point.x = bytes.ConsumeIntegral<std::int16_t>();
        point.y = bytes.ConsumeIntegral<std::int16_t>();
    }
    for (std::int16_t& angle : face.angles) {
        angle = bytes.ConsumeIntegralInRange<std::int16_t>(0, 32767);
    }
    face.heightText = bytes.ConsumeRandomLengthString(12);
    if (bytes.ConsumeBool()) {
        face.colours = common::FaceColours{bytes.ConsumeIntegral<std::int32_t>(),
                                           bytes.ConsumeIntegral<std::int32_t>(),
                                           bytes.ConsumeIntegral<std::int32_t>()};
    }
    face.webAddress = bytes.ConsumeRandomLengthString(40);
    face.scaleDistance = bytes.ConsumeIntegral<std::int32_t>();
    return face;
}

void checkFixedPart(const analysis::FaceFileContents& read, const common::WizardFace& face) {
    fuzz::check(read.name == face.name, "the name reads back");
    fuzz::check(read.info == face.description + " (Portrait only)", "the description reads back");
    for (int k = 1; k <= 20; ++k) {
        const common::FacePoint point = face.points[static_cast<std::size_t>(k - 1)];
        fuzz::check(read.coords[51 + 2 * k] == point.x && read.coords[52 + 2 * k] == point.y,
                    "portrait points read back");
    }
    for (int j = 1; j <= 10; ++j) {
        fuzz::check(read.angles[20 + j] == -face.angles[static_cast<std::size_t>(j - 1)],
                    "portrait angles read back, stored falling");
    }
}

// The trailer lines are told apart by their marks, and face 1's trailer ends at a height beyond
// 16 bits.
bool coloursReadable(const common::WizardFace& face) {
    if (face.heightText.find_first_of("~[") != std::string::npos ||
        face.webAddress.find('~') != std::string::npos) {
        return false;
    }
    try {
        common::toInt16(common::Val(face.heightText));
    } catch (const common::Error&) {
        return false;
    }
    return true;
}

void checkColours(const std::string& line, const common::FaceColours& colours) {
    const auto read = analysis::parseColourLine(line);
    fuzz::check(read && read->hair == colours.hair && read->eyes == colours.eyes &&
                    read->skin == colours.skin,
                "the colours read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    const common::WizardFace face = wizardFace(bytes);
    std::string text;
    try {
        text = common::faceFileText(face);
    } catch (const common::Error&) {
        return 0;  // a field holding a line end is refused before anything is written
    }
    try {
        const analysis::FaceFileContents first = analysis::parseFaceFile(text);
        const analysis::CandidateFile candidate = analysis::parseCandidateFile(text);
        checkFixedPart(first, face);
        checkFixedPart(candidate.face, face);
        if (face.colours && coloursReadable(face)) {
            checkColours(first.colourLine, *face.colours);
            checkColours(candidate.colourLine, *face.colours);
        }
    } catch (const common::Error&) {
        fuzz::check(false, "a face the wizard writes reads as face 1 and as a candidate");
    }
    // The builder reads five characters of an x (9999 or more ends the section), five of a y with
    // the blank after the comma, four of an angle: a face scaled to the common size stays inside.
    for (const common::FacePoint point : face.points) {
        if (point.x < -9999 || point.x > 9998 || point.y < -999 || point.y > 9999) {
            return 0;
        }
    }
    for (const std::int16_t angle : face.angles) {
        if (angle > 999) {
            return 0;
        }
    }
    // It finds the point sections by their head words, so a name or description holding one
    // makes a section too long, which it refuses.
    for (const std::string_view head : {"NormY1", "NormY2"}) {
        if (face.name.find(head) != std::string::npos ||
            face.description.find(head) != std::string::npos) {
            return 0;
        }
    }
    vismaker::FaceValues values;
    try {
        vismaker::ReadFaceValues(text, values);
    } catch (const common::Error&) {
        fuzz::check(false, "a face the wizard writes reads in the statistics builder");
    }
    for (std::size_t k = 0; k < face.points.size(); ++k) {
        fuzz::check(values.portraitPoints[2 * k] == face.points[k].x &&
                        values.portraitPoints[2 * k + 1] == face.points[k].y,
                    "the builder reads the portrait points");
    }
    for (std::size_t j = 0; j < face.angles.size(); ++j) {
        fuzz::check(values.portraitAngles[j] == -face.angles[j], "the builder reads the angles");
    }
    return 0;
}
