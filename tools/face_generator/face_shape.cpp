#include "tools/face_generator/face_shape.h"

#include <cmath>
#include <cstddef>

namespace facegen {

namespace {

// A point of the base face: how far left of the face's centre line and how high above the chin.
struct BasePoint {
    double left;
    double up;
};

// The base face, portrait points 1 to 20 in order.
constexpr std::array<BasePoint, 20> kBaseFace{{
    {0, 0},       // 1 chin, lowest point
    {430, 1000},  // 2 eye, outer edge
    {330, 1230},  // 3 eyebrow, topmost point
    {12, 570},    // 4 nose tip
    {650, 820},   // 5 face edge, leftmost
    {300, 1005},  // 6 pupil centre
    {160, 985},   // 7 eye, inner edge
    {410, 1000},  // 8 eyeball, real outer edge
    {305, 955},   // 9 lower lid, lowest point
    {285, 1050},  // 10 upper lid, topmost point
    {500, 1160},  // 11 eyebrow, outermost point
    {330, 1185},  // 12 eyebrow, below the topmost point
    {120, 1170},  // 13 eyebrow, innermost point
    {30, 390},    // 14 top lip, topmost point
    {260, 330},   // 15 mouth, outermost point
    {40, 250},    // 16 bottom lip, lowest point
    {8, 530},     // 17 nose, where the philtrum meets it
    {70, 605},    // 18 nostril hole, highest point
    {170, 575},   // 19 nostril, where it meets the cheek
    {85, 800},    // 20 nose, vertical line of the brow width
}};

constexpr double kCentreLine = 820;  // X of the centre line: the widest face edge stays above 0
constexpr double kEyeCentreLeft = 300;
constexpr double kEyeLevel = 1000;
constexpr double kMouthLevel = 320;

enum class Feature { Chin, FaceEdge, Eye, Eyebrow, Nose, NoseWing, Mouth, MouthCorner };

constexpr std::array<Feature, 20> kFeatureOf{
    Feature::Chin,    Feature::Eye,     Feature::Eyebrow,  Feature::Nose,     Feature::FaceEdge,
    Feature::Eye,     Feature::Eye,     Feature::Eye,      Feature::Eye,      Feature::Eye,
    Feature::Eyebrow, Feature::Eyebrow, Feature::Eyebrow,  Feature::Mouth,    Feature::MouthCorner,
    Feature::Mouth,   Feature::Nose,    Feature::NoseWing, Feature::NoseWing, Feature::NoseWing,
};

BasePoint shaped(BasePoint p, Feature feature, const ShapeParameters& s) {
    switch (feature) {
        case Feature::Chin:
            return p;
        case Feature::FaceEdge:
            return {p.left * s.faceWidth, p.up};
        case Feature::Eye:
            return {(kEyeCentreLeft * s.eyeSpacing + (p.left - kEyeCentreLeft) * s.eyeSize) *
                        s.faceWidth,
                    kEyeLevel + (p.up - kEyeLevel) * s.eyeSize};
        case Feature::Eyebrow:
            return {p.left * s.eyeSpacing * s.faceWidth,
                    kEyeLevel + (p.up - kEyeLevel) * s.faceLength + s.eyebrowLift};
        case Feature::Nose:
            return {p.left, kEyeLevel - (kEyeLevel - p.up) * s.noseLength};
        case Feature::NoseWing:
            return {p.left * s.noseWidth, kEyeLevel - (kEyeLevel - p.up) * s.noseLength};
        case Feature::Mouth:
            return {p.left, kMouthLevel + (p.up - kMouthLevel) * s.lipHeight};
        case Feature::MouthCorner:
            return {p.left * s.mouthWidth, kMouthLevel + (p.up - kMouthLevel) * s.lipHeight};
    }
    return p;
}

std::int16_t whole(double value) {
    return static_cast<std::int16_t>(std::lround(value));
}

}  // namespace

ShapeParameters drawShapeParameters(SeededRandom& random) {
    // Limits keep every face within the margins the base face leaves between its features.
    ShapeParameters s;
    s.faceWidth = random.normalWithin(1.0, 0.07, 0.82, 1.18);
    s.faceLength = random.normalWithin(1.0, 0.08, 0.8, 1.2);
    s.eyeSize = random.normalWithin(1.0, 0.06, 0.85, 1.15);
    s.eyeSpacing = random.normalWithin(1.0, 0.04, 0.9, 1.1);
    s.noseLength = random.normalWithin(1.0, 0.07, 0.85, 1.15);
    s.noseWidth = random.normalWithin(1.0, 0.1, 0.75, 1.25);
    s.mouthWidth = random.normalWithin(1.0, 0.09, 0.78, 1.22);
    s.lipHeight = random.normalWithin(1.0, 0.13, 0.7, 1.3);
    s.eyebrowLift = random.normalWithin(0.0, 20.0, -45.0, 45.0);
    return s;
}

std::array<common::FacePoint, 20> portraitPoints(const ShapeParameters& shape,
                                                 SeededRandom& random) {
    const double centre =
        random.normalWithin(kCentreLine, 12.0, kCentreLine - 30, kCentreLine + 30);
    std::array<common::FacePoint, 20> points{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const BasePoint p = shaped(kBaseFace[i], kFeatureOf[i], shape);
        const double jitterX = random.normalWithin(0.0, 4.0, -10.0, 10.0);
        const double jitterY = random.normalWithin(0.0, 4.0, -10.0, 10.0);
        points[i] = {whole(centre - p.left + jitterX), whole(p.up + jitterY)};
    }
    // The scaling puts the chin at 0 and the outer eye edge at 1000 exactly.
    points[0].y = 0;
    points[1].y = 1000;
    return points;
}

std::array<std::int16_t, 10> portraitAngles(SeededRandom& random) {
    struct Range {
        double low;
        double high;
    };
    static constexpr std::array<Range, 10> kRanges{{
        {20, 60},  // jawline, mouth to chin
        {20, 60},  // jawline, between the lips
        {30, 70},  // cheekbone
        {5, 35},   // eyebrow, inner gradient
        {5, 35},   // eyebrow, outer gradient
        {20, 60},  // nostril meets cheek
        {20, 60},  // nostril hole to septum
        {0, 15},   // top lip
        {0, 15},   // bottom lip
        {50, 90},  // ear
    }};
    std::array<std::int16_t, 10> angles{};
    for (std::size_t j = 0; j < angles.size(); ++j) {
        const Range r = kRanges[j];
        angles[j] =
            whole(random.normalWithin((r.low + r.high) / 2, (r.high - r.low) / 6, r.low, r.high));
    }
    return angles;
}

}  // namespace facegen
