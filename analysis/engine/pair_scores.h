#pragma once

#include <cstdint>
#include <string>

#include "analysis/engine/scoring/feature_scores.h"
#include "analysis/engine/scoring/overall_score.h"

namespace analysis {

// The scores of face 1 against the current candidate, rebuilt for every candidate and written at
// once into its result records.
struct PairScores {
    // Sum of the hair, eye and skin colour distances; 0 when no colours were compared.
    std::int16_t ColourScore = 0;
    ProfileSubScores Profile;
    // Mean of the weighted profile sub-scores; 0 when no profile comparison was made.
    std::int16_t ProfileScore = 0;
    FeatureScores Features;
    WeightedScores Weighted;
};

// The best candidate of the last run by one feature.
struct BestCandidate {
    std::int16_t score = 0;
    std::string name;
    std::string info;
    std::string link;
};

struct BestByFeature {
    BestCandidate eyes;
    BestCandidate nose;
    BestCandidate mouth;
};

}  // namespace analysis
