#include <cstdint>

#include "analysis/plotter/feature_view.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/plotter/portrait_points.h"
#include "analysis/program.h"

// View 4: where the features of faces A, B and C lie and how large they are: both eye boxes, the
// nose box and the mouth box of each face, aligned on its own nose centre line and eye-edge
// height. The panel shows the two faces' heights.

namespace analysis {

namespace {

constexpr std::int16_t kLayoutView = 4;
constexpr int kScale = 4;
// Canvas y of every face's eye-edge height, which is 1000 in the face's own units.
constexpr int kEyeEdgeTop = 1000;
constexpr int kEyeEdgeHeight = 1000;

void placeBoxes(const DrawnFace& face) {
    const PortraitPoints& p = face.points;
    const PlotFace& items = face.items;
    const auto left = [&p](int x) { return kCentreLineX - kScale * (p.x(4) - x); };
    const auto right = [&p](int x) { return kCentreLineX + kScale * (p.x(4) - x); };
    const auto down = [](int y) { return kEyeEdgeTop + kScale * (kEyeEdgeHeight - y); };

    SetShapeBounds(items.eye1, left(p.x(8)), down(p.y(10)), kScale * (p.x(7) - p.x(8)),
                   kScale * (p.y(10) - p.y(9)));
    // The right eye is the left one mirrored and takes its size from it.
    SetShapeBounds(items.eye2, right(p.x(7)), down(p.y(10)), items.eye1.Width, items.eye1.Height);
    SetShapeBounds(items.nose, left(p.x(19)), down(p.y(6)), 2 * kScale * (p.x(4) - p.x(19)),
                   kScale * (p.y(6) - p.y(4)));
    SetShapeBounds(items.mouth, left(p.x(15)), down(p.y(14)), 2 * kScale * (p.x(4) - p.x(15)),
                   kScale * (p.y(14) - p.y(16)));
}

}  // namespace

// Only the nose boxes follow the check boxes here; the eye and mouth boxes stay as the check boxes
// last set them, and the lines keep their visibility at (0, 0).
void PlotterForm::layoutViewButton_Click() {
    BlankPanel.Visible = false;
    ShowHeights();
    program_.Plotter.ViewMode = kLayoutView;
    SetPersonCaptions();
    HideFeatureShapes();
    ResetPlotLines();
    HideLabelsAndPerimeters();
    DrawSymmetryLine(*this);
    const auto faces = DrawnFaces(*this);
    for (const DrawnFace& face : faces) {
        face.items.nose.Visible = face.items.check.Value() != 0;
    }
    for (const DrawnFace& face : faces) {
        placeBoxes(face);
    }
}

}  // namespace analysis
