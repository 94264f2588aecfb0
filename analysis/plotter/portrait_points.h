#pragma once

#include <array>

#include "analysis/engine/face_slot.h"
#include "analysis/plotter/plotter_form.h"

namespace analysis {

// Portrait point k of a face the plotter draws: a face slot keeps it at elements 51 + 2k (x) and
// 52 + 2k (y), the average face two elements higher. Values are whole numbers, widened so that
// no difference of two of them overflows.
class PortraitPoints {
  public:
    static PortraitPoints ofSlot(const FaceCoords& coords) { return {coords, 51}; }
    static PortraitPoints ofAverage(const FaceCoords& coords) { return {coords, 53}; }

    int x(int k) const { return coords_[base_ + 2 * k]; }
    int y(int k) const { return coords_[base_ + 2 * k + 1]; }

  private:
    PortraitPoints(const FaceCoords& coords, int base) : coords_(coords), base_(base) {}

    const FaceCoords& coords_;
    int base_;
};

// One face as a view draws it: its canvas items and its portrait points.
struct DrawnFace {
    PlotFace items;
    PortraitPoints points;
};

// Faces A (face 1), B (face 2) and C (the average face), in the order the views draw them.
std::array<DrawnFace, 3> DrawnFaces(PlotterForm& plotter);

}  // namespace analysis
