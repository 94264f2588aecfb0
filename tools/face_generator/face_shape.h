#pragma once

#include <array>
#include <cstdint>

#include "common/facefile/face_file_writer.h"
#include "tools/face_generator/seeded_random.h"

namespace facegen {

// How one face departs from the base face: factors around 1, except the eyebrow lift, which is in
// face units (the chin-to-eye height is 1000).
struct ShapeParameters {
    double faceWidth = 1.0;
    double faceLength = 1.0;  // forehead height above the eyes
    double eyeSize = 1.0;
    double eyeSpacing = 1.0;
    double noseLength = 1.0;
    double noseWidth = 1.0;
    double mouthWidth = 1.0;
    double lipHeight = 1.0;
    double eyebrowLift = 0.0;
};

ShapeParameters drawShapeParameters(SeededRandom& random);

// The 20 portrait points of a face in the units of a face data file: the chin (point 1) at Y 0 on
// the face's vertical centre line, the outer eye edge (point 2) at Y 1000, X scaled alike and
// growing from the left face edge (point 5) towards the nose. Each point is the base face shaped
// by the parameters plus a small jitter; the points keep their anatomical order, so no measure
// the scorers divide by is ever 0.
std::array<common::FacePoint, 20> portraitPoints(const ShapeParameters& shape,
                                                 SeededRandom& random);

// The 10 portrait angle magnitudes: jawline (2), cheekbone, eyebrow (2), nose (2), lips (2), ear.
std::array<std::int16_t, 10> portraitAngles(SeededRandom& random);

}  // namespace facegen
