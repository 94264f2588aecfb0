#pragma once

#include <cstdint>

namespace analysis {

struct FaceSlot;

// The face-shape classifier: the shape of a face from the difference between its two jawline
// angles (dFace) against the average face's (dAverage), in degrees.
enum class FaceShapeClass { Round, Heart, Square };
FaceShapeClass ClassifyFaceShape(int dFace, int dAverage);

// | |angle 2| - |angle 1| | of the first two portrait angles (elements 21 and 22).
int JawlineDifference(std::int16_t angle1, std::int16_t angle2);

}  // namespace analysis
