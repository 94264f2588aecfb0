#pragma once

#include "vismaker/stats/face_values.h"

namespace vismaker {

// The largest and smallest value of every measurement over the faces read so far.
struct Limits {
    FaceValues maxValues;
    FaceValues minValues;
    bool holdsFace = false;
};

// Folds one face into the limits. The first face sets both limits to its values, zeros included.
// Later faces widen the point limits by value. Angles are slopes: a 0 is taken as unmeasured and
// skipped, and the steepest (largest magnitude) and flattest slope are kept with their signs.
void UpdateLimits(const FaceValues& face, Limits& limits);

}  // namespace vismaker
