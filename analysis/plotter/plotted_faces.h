#pragma once

#include <string>

#include "analysis/engine/face_slot.h"

namespace analysis {

class AnalysisProgram;

// Faces 1 and 2 as a view was drawn for them: the files they came from and all that was read.
// Two equal values draw the same picture under the same names.
struct PlottedFaces {
    std::string File1;
    std::string File2;
    FaceSlot Face1;
    FaceSlot Face2;

    friend bool operator==(const PlottedFaces&, const PlottedFaces&) = default;
};

PlottedFaces FacesNowLoaded(const AnalysisProgram& program);

}  // namespace analysis
