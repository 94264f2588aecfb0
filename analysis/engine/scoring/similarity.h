#pragma once

#include <cstdint>

namespace analysis {

// Tolerance of the accuracy slider: 0.5 at 20, 0.9 at 10, 8.1 at 1. The slider's lowest position
// 0 counts as 1.
double similarityTolerance(int faceSlider);

// How alike face 1's measurement a and face 2's measurement b are, judged against the average
// face's ref: 100 when equal, 0 to 100 otherwise. Not symmetric in a and b.
std::int16_t MeasurementSimilarity(double a, double b, double ref, int faceSlider);

// The stricter rule of the outline and angle scorers: 100 when equal, 0 when the average lies
// strictly between them, else 100 x the smaller distance to the average over the larger.
std::int16_t strictSimilarity(double g1, double g2, double gm);

}  // namespace analysis
