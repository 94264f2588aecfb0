#include "tools/face_generator/profile_data.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "common/files/text_file.h"
#include "common/text/convert.h"

namespace facegen {

namespace {

// Profile points 1 to 23 of the base face.
constexpr std::array<std::array<double, 2>, 23> kBaseProfile{{
    {80, 0},      // 1 chin, lowest point
    {25, 1000},   // 2 eye, outer corner
    {85, 1030},   // 3 top of the nose bridge
    {20, 1350},   // 4 hairline
    {60, 1500},   // 5 forehead
    {105, 1180},  // 6 brow ridge
    {60, 990},    // 7 eye, inner corner
    {40, 760},    // 8 cheekbone
    {110, 560},   // 9 nostril wing
    {60, 500},    // 10 cheek, below the nose
    {230, 620},   // 11 nose tip
    {150, 820},   // 12 nose bridge
    {40, 420},    // 13 mouth corner, back
    {90, 380},    // 14 top lip line
    {70, 250},    // 15 bottom lip line
    {165, 430},   // 16 top lip
    {140, 540},   // 17 below the nose
    {155, 300},   // 18 bottom lip
    {20, 600},    // 19 ear lobe
    {20, 150},    // 20 jaw angle
    {130, 365},   // 21 between the lips
    {105, 200},   // 22 fold above the chin
    {135, 90},    // 23 chin, front
}};

constexpr std::size_t kNoseTip = 10;
constexpr std::size_t kNoseBridge = 11;
constexpr int kFirstPointLine = 5;   // lines 5 to 27 hold profile points 1 to 23
constexpr int kFirstAngleLine = 55;  // lines 55 to 73 hold profile angles 1 to 19

std::int16_t whole(double value) {
    return static_cast<std::int16_t>(std::lround(value));
}

std::string pointLine(common::FacePoint point) {
    return common::plain(point.x) + ", " + common::plain(point.y);
}

// The profile's text for a line of the face file, or nothing for a line it keeps.
std::optional<std::string> replacementFor(int lineNumber, const ProfileData& profile) {
    const int point = lineNumber - kFirstPointLine;
    if (point >= 0 && point < static_cast<int>(profile.points.size())) {
        return pointLine(profile.points[static_cast<std::size_t>(point)]);
    }
    const int angle = lineNumber - kFirstAngleLine;
    if (angle >= 0 && angle < static_cast<int>(profile.angles.size())) {
        // Appended rather than "-" + ..., which GCC 12 at -O3 flags with a false -Wrestrict.
        std::string line = "-";
        line += common::plain(profile.angles[static_cast<std::size_t>(angle)]);
        return line;
    }
    return std::nullopt;
}

}  // namespace

ProfileData drawProfile(SeededRandom& random) {
    const double depth = random.normalWithin(1.0, 0.1, 0.75, 1.25);
    const double nose = random.normalWithin(1.0, 0.12, 0.7, 1.3);
    const double height = random.normalWithin(1.0, 0.04, 0.9, 1.1);
    ProfileData profile;
    for (std::size_t k = 0; k < profile.points.size(); ++k) {
        const bool isNose = k == kNoseTip || k == kNoseBridge;
        const double x = kBaseProfile[k][0] * depth * (isNose ? nose : 1.0);
        // The smallest base X (20) keeps X above 0 through the smallest depth and any jitter.
        profile.points[k] = {
            whole(x + random.normalWithin(0.0, 3.0, -8.0, 8.0)),
            whole(kBaseProfile[k][1] * height + random.normalWithin(0.0, 4.0, -10.0, 10.0))};
    }
    profile.points[0].y = 0;  // the chin is the origin of Y, as in the portrait
    for (std::int16_t& angle : profile.angles) {
        angle = whole(random.normalWithin(40.0, 12.0, 5.0, 80.0));
    }
    return profile;
}

std::string withProfile(std::string_view faceText, const ProfileData& profile) {
    std::string text;
    text.reserve(faceText.size() + 256);
    int lineNumber = 1;
    std::size_t start = 0;
    while (start < faceText.size()) {
        const std::size_t end = faceText.find(common::kCrLf, start);
        const std::size_t next = end == std::string_view::npos ? faceText.size() : end + 2;
        if (const auto replacement = replacementFor(lineNumber, profile)) {
            text += *replacement;
            text += common::kCrLf;
        } else {
            text += faceText.substr(start, next - start);
        }
        start = next;
        ++lineNumber;
    }
    return text;
}

}  // namespace facegen
