#include <cstdint>

#include "analysis/plotter/feature_view.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/plotter/portrait_points.h"
#include "analysis/program.h"

// View 2: one nose box for each of faces A, B and C, each centred on its own nose centre line,
// with nose width and height of each loaded face as a percentage of the average face.

namespace analysis {

namespace {

constexpr std::int16_t kNoseView = 2;
constexpr int kScale = 7;
constexpr int kTop = 600;

// From the nostril's outer edge to its mirror, and from the pupil's height, added unscaled, down
// to the nose tip.
void drawNose(const DrawnFace& face) {
    const PortraitPoints& p = face.points;
    const int halfWidth = kScale * (p.x(4) - p.x(19));
    SetShapeBounds(face.items.nose, kCentreLineX - halfWidth, kTop + p.y(6), 2 * halfWidth,
                   kScale * (p.y(6) - p.y(4)));
}

}  // namespace

// The lines are left shown or hidden as they were, only collapsed to (0, 0).
void PlotterForm::noseViewButton_Click() {
    BlankPanel.Visible = false;
    program_.Plotter.ViewMode = kNoseView;
    SetPersonCaptions();
    HideFeatureShapes();
    HideLabelsAndPerimeters();
    ResetPlotLines();
    DrawSymmetryLine(*this);
    const auto faces = DrawnFaces(*this);
    for (const DrawnFace& face : faces) {
        face.items.nose.Visible = face.items.check.Value() != 0;
    }
    for (const DrawnFace& face : faces) {
        drawNose(face);
    }

    const UiWords& words = program_.Words;
    std::string text = FiguresHeading(words);
    if (program_.Face1.Loaded) {
        text += FiguresBlock(words, " A : ", words.NoseWord,
                             PercentOf(NoseArea1.Width, NoseArea1g.Width),
                             PercentOf(NoseArea1.Height, NoseArea1g.Height));
    }
    // Face B's heading has no blank before its colon in this view.
    if (program_.Face2.Loaded) {
        text += FiguresBlock(words, " B: ", words.NoseWord,
                             PercentOf(NoseArea1b.Width, NoseArea1g.Width),
                             PercentOf(NoseArea1b.Height, NoseArea1g.Height));
    }
    Statsbox.setText(text);
}

}  // namespace analysis
