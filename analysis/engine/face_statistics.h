#pragma once

#include "analysis/engine/face_slot.h"

namespace analysis {

// The largest, smallest and average value of every measurement of the data folder. Portrait
// point k sits two elements higher than in a face slot: x at 53 + 2k, y at 54 + 2k.
struct FaceStatistics {
    FaceCoords UpperCoords;
    FaceCoords LowerCoords;
    FaceCoords MedianCoords;
    FaceAngles UpperAngles;
    FaceAngles LowerAngles;
    FaceAngles MedianAngles;
};

}  // namespace analysis
