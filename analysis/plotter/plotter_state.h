#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/plotter/plotted_faces.h"

namespace analysis {

// What the plotter remembers between its views and showings.
struct PlotterState {
    // The last view drawn: 1 eyes, 2 nose, 3 mouth, 4 layout, 5 face shape, 6 profile; 0 until
    // the plotter has drawn one.
    std::int16_t ViewMode = 0;
    // The faces the canvas was last drawn for by a pressed view button or a redraw of the view;
    // none until then, so the drawing made at start-up, before any face, is never redrawn.
    std::optional<PlottedFaces> ViewDrawnFor;
    // Horizontal shifts in twips of the profile drawings of faces A, B and C.
    std::int16_t ProfileShiftA = 0;
    std::int16_t ProfileShiftB = 0;
    std::int16_t ProfileShiftC = 0;
    // The face-shape words of faces A and B.
    std::string FaceShapeA;
    std::string FaceShapeB;
    // The colour chooser's last mix, each component already in its place of a colour value.
    std::int32_t ChosenRed = 0;
    std::int32_t ChosenGreen = 0;
    std::int32_t ChosenBlue = 0;
};

}  // namespace analysis
