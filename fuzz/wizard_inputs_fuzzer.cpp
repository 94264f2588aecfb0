// What a user types into the landmark wizard: colour texts, point and angle boxes, the height,
// and a whole set of raw points. Every typed value is stored in range or refused, and a face
// the scaling accepts is read back whole by the statistics builder, whose fixed-width fields
// would otherwise misread it without a word.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/facefile/face_file_writer.h"
#include "fuzz/fuzz_input.h"
#include "transcribe/colour_parsing.h"
#include "transcribe/entry_rules.h"
#include "transcribe/normalise.h"
#include "vismaker/stats/read_face_values.h"

namespace {

void typedTexts(const std::string& text) {
    for (bool paint : {false, true}) {
        const std::int32_t colour = transcribe::parseColour(text, paint);
        fuzz::check(colour >= 0 && colour <= 0xFFFFFF, "a parsed colour is a colour");
    }
    if (const auto point = transcribe::pointMagnitude(text)) {
        fuzz::check(*point >= 0, "a stored point is a magnitude");
    }
    if (const auto angle = transcribe::typedAngle(text)) {
        fuzz::check(*angle >= 0, "a stored angle is a magnitude");
    }
    transcribe::convertPspAngle(text);
    transcribe::imperialEcho(text, "ft", "inches");
    if (const auto number = transcribe::typedNumber(text)) {
        transcribe::angleFromDeltas(*number, 1.0);
        transcribe::angleFromDeltas(1.0, *number);
    }
}

void scaledFace(const std::uint8_t* data, std::size_t size) {
    transcribe::RawPoints raw{};
    std::memcpy(raw.data(), data, std::min(size, sizeof raw));
    const transcribe::Normalised scaled = transcribe::normaliseCoordinates(raw);
    if (!scaled.ok) {
        return;
    }
    common::WizardFace face;
    face.name = "Fuzz";
    face.points = scaled.points;
    face.scaleDistance = scaled.distance;
    vismaker::FaceValues values;
    vismaker::ReadFaceValues(common::faceFileText(face), values);
    for (std::size_t k = 0; k < face.points.size(); ++k) {
        fuzz::check(values.portraitPoints[2 * k] == face.points[k].x &&
                        values.portraitPoints[2 * k + 1] == face.points[k].y,
                    "the statistics builder reads every saved point back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::string& text : fuzz::files(fuzz::text(data, size), 4)) {
        typedTexts(text);
    }
    scaledFace(data, size);
    return 0;
}
