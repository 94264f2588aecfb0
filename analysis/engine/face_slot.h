#pragma once

#include <cstdint>
#include <string>

#include "analysis/engine/one_based_array.h"

namespace analysis {

// Coordinate pair i of a face data file sits at elements 2i-1 (x) and 2i (y); elements 95 to
// 100 are never written by a loader.
using FaceCoords = OneBasedArray<std::int16_t, 100>;
// Profile angle j at element j + 1, portrait angle j at 20 + j; elements 1 and 20 hold 0.
using FaceAngles = OneBasedArray<std::int16_t, 30>;

// One loaded face: face 1 is the face under analysis, face 2 the face set against it.
struct FaceSlot {
    std::string FaceName;
    std::string FaceInfo;
    FaceCoords Coords;
    FaceAngles Angles;
    // Centimetres; 0 when the file gives none.
    std::int16_t FaceHeight = 0;
    // The whole colour line of the file; "" when it has none.
    std::string ColourLine;
    // Set at the start of every load into the slot, even one that then fails.
    bool Loaded = false;

    friend bool operator==(const FaceSlot&, const FaceSlot&) = default;
};

}  // namespace analysis
