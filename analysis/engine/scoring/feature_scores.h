#pragma once

#include <array>
#include <cstdint>

namespace analysis {

// The portrait landmarks and angles of one face, 1-based as the face data file numbers them:
// points 1 to 20, angles 1 to 10 (stored negative, as read).
struct Portrait {
    std::array<std::int32_t, 21> X{};
    std::array<std::int32_t, 21> Y{};
    std::array<std::int32_t, 11> Angle{};
};

// Face 1, face 2 and the average face, measured at the same landmarks.
struct PortraitTrio {
    const Portrait& face1;
    const Portrait& face2;
    const Portrait& average;
};

struct FeatureScores {
    std::int16_t ProportionScore1 = 0;
    std::int16_t ProportionScore2 = 0;
    std::int16_t AngleScore23 = 0;
    std::int16_t JawlineScore = 0;
    std::int16_t EyeAngleScore = 0;
    std::int16_t NoseAngleScore = 0;
    std::int16_t MouthAngleScore = 0;
    std::int16_t EyeShapeScore = 0;
    std::int16_t NoseShapeScore = 0;
    std::int16_t MouthShapeScore = 0;
};

// Face outline: area and proportion of the half face. A face whose nose tip stands straight
// above its face edge (zero half width) cannot be proportioned: both scores are then 0.
void ScoreFaceShape(const PortraitTrio& faces, FeatureScores& scores);
void ScoreCheekboneAngle(const PortraitTrio& faces, FeatureScores& scores);
// The strict rule on two portrait angles, averaged and floored.
std::int16_t anglePairScore(const PortraitTrio& faces, int p, int q);
void ScoreJawlineAngles(const PortraitTrio& faces, FeatureScores& scores);
void ScoreEyebrowAngles(const PortraitTrio& faces, FeatureScores& scores);
void ScoreNoseAngles(const PortraitTrio& faces, FeatureScores& scores);
void ScoreMouthAngles(const PortraitTrio& faces, FeatureScores& scores);
void ScoreEyeShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores);
// A ratio whose denominator is 0 for any of the three faces scores 0 in its term, and only that
// term: a nostril width of 0 leaves the first ratio at 0 and the second one scored.
void ScoreNoseShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores);
void ScoreMouthShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores);
void ScoreFeatureShapes(const PortraitTrio& faces, int faceSlider, FeatureScores& scores);

}  // namespace analysis
