#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "analysis/plotter/plotted_faces.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/program.h"

// Redrawing the view on the canvas for the faces now loaded, so that no face's drawing is ever
// shown under another face's name.

namespace analysis {

void PlotterForm::pressView(View view) {
    (this->*view)();
    program_.Plotter.ViewDrawnFor = FacesNowLoaded(program_);
}

// ViewMode 1 to 6 name the views in the order of their buttons; any other number draws nothing.
void PlotterForm::ReplotCurrentView() {
    constexpr std::array<View, 6> views{
        &PlotterForm::eyesViewButton_Click,      &PlotterForm::noseViewButton_Click,
        &PlotterForm::mouthViewButton_Click,     &PlotterForm::layoutViewButton_Click,
        &PlotterForm::faceShapeViewButton_Click, &PlotterForm::ProfileButton_Click};
    const std::int16_t mode = program_.Plotter.ViewMode;
    if (mode < 1 || mode > static_cast<int>(views.size())) {
        return;
    }
    pressView(views[static_cast<std::size_t>(mode - 1)]);
}

// The start-up drawing, made before any face, stays until a view is pressed: a first opening
// shows it as it is.
void PlotterForm::replotIfFacesChanged() {
    const std::optional<PlottedFaces>& drawnFor = program_.Plotter.ViewDrawnFor;
    if (drawnFor && *drawnFor != FacesNowLoaded(program_)) {
        ReplotCurrentView();
    }
}

}  // namespace analysis
