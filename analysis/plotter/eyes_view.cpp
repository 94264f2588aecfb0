#include <cstdint>

#include "analysis/plotter/feature_view.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/plotter/portrait_points.h"
#include "analysis/program.h"

// View 1: the eye boxes and eyebrow outlines of faces A, B and C, each face on its own nose centre
// line and its own eyebrow top, the measured left half drawn as measured and mirrored, with eye
// width and height of each loaded face as a percentage of the average face.

namespace analysis {

namespace {

constexpr std::int16_t kEyesView = 1;
constexpr int kScale = 6;
// Canvas y of every face's eyebrow top.
constexpr int kBrowTop = 1000;
// Lines 0 to 3 hold the measured eyebrow, 4 to 7 its mirror; 8 to 10 stay as cleared.
constexpr int kMirrorFirstLine = 4;
constexpr int kStrokeLines = 8;

// A face x on the left copy (as measured) or on the right copy (mirrored about the centre line).
struct Copy {
    const PortraitPoints& points;
    int side;
    int at(int x) const { return kCentreLineX + side * kScale * (x - points.x(4)); }
};

int browY(const PortraitPoints& points, int y) {
    return kBrowTop + kScale * (points.y(3) - y);
}

// Inner point, top, outer point, the thickness point straight below the top, and back to the
// inner point: every point a line shares with an earlier line is read back from that line.
void drawEyebrow(const forms::ControlArray<forms::Line>& lines, int first, const Copy& copy) {
    const PortraitPoints& p = copy.points;
    forms::Line& inner = lines(first);
    forms::Line& outer = lines(first + 1);
    forms::Line& below = lines(first + 2);
    forms::Line& back = lines(first + 3);
    SetLineEnds(inner, copy.at(p.x(13)), browY(p, p.y(13)), copy.at(p.x(3)), kBrowTop);
    SetLineEnds(outer, inner.X2, inner.Y2, copy.at(p.x(11)), browY(p, p.y(11)));
    SetLineEnds(below, outer.X2, outer.Y2, copy.at(p.x(3)), browY(p, p.y(12)));
    SetLineEnds(back, below.X2, below.Y2, inner.X1, inner.Y1);
}

// The eye boxes hang from the eyebrow top by the upper lid's height, unscaled; the right box is
// the left one mirrored and takes its size from it.
void drawEyes(const DrawnFace& face) {
    const PortraitPoints& p = face.points;
    const PlotFace& items = face.items;
    const Copy left{p, 1};
    const Copy right{p, -1};
    const int top = kBrowTop + p.y(10);
    SetShapeBounds(items.eye1, left.at(p.x(8)), top, kScale * (p.x(7) - p.x(8)),
                   kScale * (p.y(10) - p.y(9)));
    SetShapeBounds(items.eye2, right.at(p.x(7)), top, items.eye1.Width, items.eye1.Height);

    const bool shown = items.check.Value() != 0;
    for (int i = 0; i < kStrokeLines; ++i) {
        items.lines(i).Visible = shown;
    }
    items.nose.Visible = false;

    drawEyebrow(items.lines, 0, left);
    drawEyebrow(items.lines, kMirrorFirstLine, right);
}

}  // namespace

void PlotterForm::eyesViewButton_Click() {
    BlankPanel.Visible = false;
    program_.Plotter.ViewMode = kEyesView;
    SetPersonCaptions();
    HideFeatureShapes();
    HideLabelsAndPerimeters();
    HidePlotLines();
    ResetPlotLines();
    SetPersonCaptions();
    DrawSymmetryLine(*this);
    for (const DrawnFace& face : DrawnFaces(*this)) {
        drawEyes(face);
    }

    const UiWords& words = program_.Words;
    std::string text = FiguresHeading(words);
    if (program_.Face1.Loaded) {
        text +=
            FiguresBlock(words, " A : ", words.EyesWord, PercentOf(EyeArea1.Width, EyeArea1g.Width),
                         PercentOf(EyeArea1.Height, EyeArea1g.Height));
    }
    if (program_.Face2.Loaded) {
        text += FiguresBlock(words, " B : ", words.EyesWord,
                             PercentOf(EyeArea1b.Width, EyeArea1g.Width),
                             PercentOf(EyeArea1b.Height, EyeArea1g.Height));
    }
    Statsbox.setText(text);
}

}  // namespace analysis
