#pragma once

#include <cstdint>

#include "analysis/engine/scoring/feature_scores.h"

namespace analysis {

// The seven weight sliders of the preferences window, 0 to 20 each.
struct SliderValues {
    int eye = 0;
    int nose = 0;
    int mouth = 0;
    int jawline = 0;
    int profile = 0;
    int colouration = 0;
    int face = 0;
};

struct WeightedScores {
    std::int16_t WeightedJawlineScore = 0;
    std::int16_t WeightedNoseScore = 0;
    std::int16_t WeightedEyesScore = 0;
    std::int16_t WeightedMouthScore = 0;
    std::int16_t OverallScore = 0;
};

// Weighs the feature scores by the sliders into the overall score: the mean of nine feature
// terms, the profile term added when a profile comparison was made, then lowered by the colour
// distance when colours were compared. Sums are taken left to right so results match to the bit.
WeightedScores weighFeatureScores(const FeatureScores& scores, std::int16_t profileScore,
                                  std::int16_t colourScore, const SliderValues& sliders);

struct ProfileSubScores {
    std::int16_t NoseProfileScore = 0;
    std::int16_t EyeProfileScore = 0;
    std::int16_t MouthProfileScore = 0;
    std::int16_t JawlineProfileScore = 0;
};

// Weighs the four raw profile sub-scores in place (a slider at 0 lifts a sub-score to 100) and
// returns their floored mean.
std::int16_t weighProfileScores(ProfileSubScores& subScores, const SliderValues& sliders);

}  // namespace analysis
