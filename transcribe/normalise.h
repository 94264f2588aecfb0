#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/facefile/face_file_writer.h"

namespace transcribe {

// X then Y of portrait points 1 to 20 in picture pixels, as typed.
using RawPoints = std::array<std::int16_t, 40>;

// The scaling that makes faces of different photographs comparable: the chin (point 1) is the
// origin of Y, Y grows upward, and the chin-to-eye-edge height (point 2) is 1000.
struct Normalised {
    // The raw pixel distance D: chin Y less eye-edge Y.
    std::int32_t distance = 0;
    // False when the face cannot be scaled: D is 0, or a scaled point does not fit the file's
    // fixed-width fields. The points are then meaningless.
    bool ok = false;
    // The first point that did not fit (1 to 20), 0 otherwise.
    int badPoint = 0;
    std::array<common::FacePoint, 20> points{};
};

// Scaled X stays within -9999..9998 and scaled Y within -999..9999: wider values would not fit
// the statistics builder's fixed-width slices.
inline constexpr int kLowestX = -9999;
inline constexpr int kHighestX = 9998;
inline constexpr int kLowestY = -999;
inline constexpr int kHighestY = 9999;

// Scales a copy: the raw points stay as typed, so a failed save can be tried again.
Normalised normaliseCoordinates(const RawPoints& raw);

}  // namespace transcribe
