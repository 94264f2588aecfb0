#include <array>
#include <cstdint>
#include <limits>

#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/program.h"

// View 6: the side views of faces A, B and C as chains of eleven lines through twelve profile
// points, each movable sideways by its arrows so that one profile can be laid over another.

namespace analysis {

namespace {

constexpr std::int16_t kProfileView = 6;
constexpr int kBaseA = 1500;
constexpr int kBaseB = 1700;
constexpr int kBaseC = 1500;
constexpr int kChinY = 4500;
constexpr int kScale = 3;
constexpr int kShiftStep = 50;
// The profile points the chain runs through, in order: line j joins the j-th to the next.
constexpr std::array<int, 12> kChain{5, 6, 3, 12, 11, 17, 16, 21, 18, 22, 23, 1};
// A face without profile points has 0 as the x of point 5 (element 9).
constexpr int kFirstPointX = 9;

struct CanvasPoint {
    int x;
    int y;
};

// Profile point k at elements 2k - 1 (x) and 2k (y), the same in a face slot and the average
// face; the chin line lies at canvas y 4500 and the face's y grows up the canvas.
CanvasPoint canvasPoint(const FaceCoords& coords, int k, int base) {
    return {base + kScale * coords[2 * k - 1], kChinY - kScale * coords[2 * k]};
}

// Each line starts where the one before it ends, read back from the canvas.
void drawChain(const FaceCoords& coords, const forms::ControlArray<forms::Line>& lines, bool shown,
               int base) {
    for (int i = 0; i < static_cast<int>(kChain.size()) - 1; ++i) {
        lines(i).Visible = shown;
    }
    const CanvasPoint first = canvasPoint(coords, kChain[0], base);
    const CanvasPoint second = canvasPoint(coords, kChain[1], base);
    SetLineEnds(lines(0), first.x, first.y, second.x, second.y);
    for (int j = 1; j < static_cast<int>(kChain.size()) - 1; ++j) {
        const CanvasPoint end = canvasPoint(coords, kChain[static_cast<std::size_t>(j) + 1], base);
        SetLineEnds(lines(j), lines(j - 1).X2, lines(j - 1).Y2, end.x, end.y);
    }
}

bool fitsShort(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// A shift whose new value, or whose sum with the face's x base, would leave the 16-bit range
// stays as it is.
void moveShift(std::int16_t& shift, int base, int change) {
    const int moved = shift + change;
    if (fitsShort(moved) && fitsShort(base + moved)) {
        shift = static_cast<std::int16_t>(moved);
    }
}

}  // namespace

void PlotterForm::ProfileButton_Click() {
    BlankPanel.Visible = true;
    program_.Plotter.ViewMode = kProfileView;
    SetPersonCaptions();
    Statsbox.setText("");
    DrawProfiles();
}

// Leaves every line hidden, the feature shapes parked, the outlines zero-sized and the eye line
// and reference labels hidden before the chains are drawn.
void PlotterForm::DrawProfiles() {
    HideFeatureShapes();
    HidePlotLines();
    HideLabelsAndPerimeters();
    DrawProfileA();
    DrawProfileB();
    DrawProfileC();
}

// A face without profile points is not drawn: the panel gets a notice instead, its lines stay as
// they were.
void PlotterForm::DrawProfileA() {
    const FaceCoords& coords = program_.Face1.Coords;
    if (coords[kFirstPointX] == 0) {
        const UiWords& words = program_.Words;
        Statsbox.setText(Statsbox.Text() + words.ViewProfile + " A :\r\n" + words.NoDataText +
                         "\r\n");
        return;
    }
    drawChain(coords, RedLine, CheckBoxA.Value() != 0, kBaseA + program_.Plotter.ProfileShiftA);
}

void PlotterForm::DrawProfileB() {
    const FaceCoords& coords = program_.Face2.Coords;
    if (coords[kFirstPointX] == 0) {
        const UiWords& words = program_.Words;
        Statsbox.setText(Statsbox.Text() + words.ViewProfile + " B :\r\n" + words.NoDataText +
                         "\r\n");
        return;
    }
    drawChain(coords, BlueLine, CheckBoxB.Value() != 0, kBaseB + program_.Plotter.ProfileShiftB);
}

// The average face is always drawn, from whatever the statistics hold.
void PlotterForm::DrawProfileC() {
    drawChain(program_.Statistics.MedianCoords, GreenLine, CheckBoxC.Value() != 0,
              kBaseC + program_.Plotter.ProfileShiftC);
}

// The arrows move one chain and draw it again over whatever the canvas shows; the view and the
// panel stay.
void PlotterForm::RedLeftArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftA, kBaseA, -kShiftStep);
    DrawProfileA();
}

void PlotterForm::RedRightArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftA, kBaseA, kShiftStep);
    DrawProfileA();
}

void PlotterForm::BlueLeftArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftB, kBaseB, -kShiftStep);
    DrawProfileB();
}

void PlotterForm::BlueRightArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftB, kBaseB, kShiftStep);
    DrawProfileB();
}

void PlotterForm::GreenLeftArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftC, kBaseC, -kShiftStep);
    DrawProfileC();
}

void PlotterForm::GreenRightArrow_Click() {
    moveShift(program_.Plotter.ProfileShiftC, kBaseC, kShiftStep);
    DrawProfileC();
}

}  // namespace analysis
