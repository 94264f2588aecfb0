#include "analysis/plotter/plotted_faces.h"

#include "analysis/program.h"

namespace analysis {

PlottedFaces FacesNowLoaded(const AnalysisProgram& program) {
    return {program.FaceFile1, program.FaceFile2, program.Face1, program.Face2};
}

}  // namespace analysis
