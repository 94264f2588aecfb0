#include "tools/face_generator/face_generator.h"

#include "common/text/error.h"
#include "tools/face_generator/face_details.h"
#include "tools/face_generator/face_names.h"
#include "tools/face_generator/face_shape.h"
#include "tools/face_generator/seeded_random.h"

namespace facegen {

namespace {

// Shares of the faces that carry each optional part.
constexpr double kFemaleShare = 0.6;
constexpr double kHeightShare = 0.88;
constexpr double kColourShare = 0.8;
constexpr double kWebShare = 0.3;
constexpr double kProfileShare = 0.25;

GeneratedFace drawFace(SeededRandom& random, NameBook& names, int index) {
    // Face 1 is an actress; the others may be anyone.
    const bool female = index == 1 || random.chance(kFemaleShare);
    GeneratedFace generated;
    common::WizardFace& face = generated.face;
    face.name = names.draw(random, female, index);
    face.description = drawDescription(random, female, index);
    face.points = portraitPoints(drawShapeParameters(random), random);
    face.angles = portraitAngles(random);
    face.scaleDistance = random.between(250, 650);
    if (random.chance(kHeightShare)) {
        face.heightText = drawHeightText(random, female);
    }
    if (random.chance(kColourShare)) {
        face.colours = drawColours(random);
    }
    if (random.chance(kWebShare)) {
        face.webAddress = webAddressFor(face.name, random);
    }
    if (random.chance(kProfileShare)) {
        generated.profile = drawProfile(random);
    }
    return generated;
}

}  // namespace

std::vector<GeneratedFace> generateFaces(int count, std::uint32_t seed) {
    if (count < 0) {
        throw common::Error(common::ErrorCode::InvalidCall, "a negative number of faces");
    }
    std::vector<GeneratedFace> faces;
    faces.reserve(static_cast<std::size_t>(count));
    NameBook names;
    for (int index = 0; index < count; ++index) {
        SeededRandom random(seed, static_cast<std::uint32_t>(index));
        faces.push_back(drawFace(random, names, index));
    }
    return faces;
}

std::string faceText(const GeneratedFace& face) {
    const std::string text = common::faceFileText(face.face);
    return face.profile ? withProfile(text, *face.profile) : text;
}

}  // namespace facegen
