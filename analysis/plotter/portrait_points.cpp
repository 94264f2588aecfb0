#include "analysis/plotter/portrait_points.h"

#include "analysis/program.h"

namespace analysis {

std::array<DrawnFace, 3> DrawnFaces(PlotterForm& plotter) {
    AnalysisProgram& program = plotter.program();
    return {DrawnFace{plotter.faceA(), PortraitPoints::ofSlot(program.Face1.Coords)},
            DrawnFace{plotter.faceB(), PortraitPoints::ofSlot(program.Face2.Coords)},
            DrawnFace{plotter.faceC(), PortraitPoints::ofAverage(program.Statistics.MedianCoords)}};
}

}  // namespace analysis
