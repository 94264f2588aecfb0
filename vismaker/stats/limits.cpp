#include "vismaker/stats/limits.h"

#include <cstdlib>
#include <span>

namespace vismaker {

namespace {

void widenPoints(std::span<const std::int16_t> face, std::span<std::int16_t> maxima,
                 std::span<std::int16_t> minima) {
    for (std::size_t i = 0; i < face.size(); ++i) {
        if (face[i] > maxima[i]) {
            maxima[i] = face[i];
        }
        if (face[i] < minima[i]) {
            minima[i] = face[i];
        }
    }
}

// Compared by magnitude, stored with the sign. A 0 that the first face brought in as a minimum
// stays, since no magnitude is below it.
void widenAngles(std::span<const std::int16_t> face, std::span<std::int16_t> maxima,
                 std::span<std::int16_t> minima) {
    for (std::size_t i = 0; i < face.size(); ++i) {
        if (face[i] == 0) {
            continue;
        }
        const int magnitude = std::abs(int{face[i]});
        if (magnitude > std::abs(int{maxima[i]})) {
            maxima[i] = face[i];
        }
        if (magnitude < std::abs(int{minima[i]})) {
            minima[i] = face[i];
        }
    }
}

}  // namespace

void UpdateLimits(const FaceValues& face, Limits& limits) {
    if (!limits.holdsFace) {
        limits.maxValues = face;
        limits.minValues = face;
        limits.holdsFace = true;
        return;
    }
    widenPoints(face.profilePoints, limits.maxValues.profilePoints, limits.minValues.profilePoints);
    widenPoints(face.portraitPoints, limits.maxValues.portraitPoints,
                limits.minValues.portraitPoints);
    widenAngles(face.profileAngles, limits.maxValues.profileAngles, limits.minValues.profileAngles);
    widenAngles(face.portraitAngles, limits.maxValues.portraitAngles,
                limits.minValues.portraitAngles);
}

}  // namespace vismaker
