#include <cstdint>

#include "analysis/plotter/feature_view.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/plotter/portrait_points.h"
#include "analysis/program.h"

// View 3: the mouth of faces A, B and C as one closed five-sided outline each (both corners, both
// peaks of the top lip, the bottom of the lower lip on the centre line), the measured left half
// drawn as measured and mirrored, with mouth width and height of each loaded face as a
// percentage of the average face.

namespace analysis {

namespace {

constexpr std::int16_t kMouthView = 3;
constexpr int kScale = 7;
// Canvas y of every face's eyebrow top, above the visible canvas: only the mouth shows.
constexpr int kBrowTop = -2000;
constexpr int kLinesPerFace = 11;

// Lines 0 to 4: left corner to left peak, left corner to bottom, left peak to right peak, right
// peak to right corner, right corner to bottom. A point a line shares with an earlier line is
// read back from that line.
void drawMouth(const DrawnFace& face) {
    const PortraitPoints& p = face.points;
    const auto left = [&p](int x) { return kCentreLineX - kScale * (p.x(4) - x); };
    const auto right = [&p](int x) { return kCentreLineX + kScale * (p.x(4) - x); };
    const auto down = [&p](int y) { return kBrowTop + kScale * (p.y(3) - y); };
    const forms::ControlArray<forms::Line>& lines = face.items.lines;
    forms::Line& upperLeft = lines(0);
    forms::Line& lowerLeft = lines(1);
    forms::Line& top = lines(2);
    forms::Line& upperRight = lines(3);
    forms::Line& lowerRight = lines(4);
    SetLineEnds(upperLeft, left(p.x(15)), down(p.y(15)), left(p.x(14)), down(p.y(14)));
    SetLineEnds(lowerLeft, upperLeft.X1, upperLeft.Y1, kCentreLineX, down(p.y(16)));
    SetLineEnds(top, upperLeft.X2, upperLeft.Y2, right(p.x(14)), upperLeft.Y2);
    SetLineEnds(upperRight, top.X2, upperLeft.Y2, right(p.x(15)), upperLeft.Y1);
    SetLineEnds(lowerRight, upperRight.X2, upperRight.Y2, kCentreLineX, lowerLeft.Y2);
}

// A face's mouth size as its lines hold it: the full width is twice the left corner's distance
// from the centre line, the height runs from the top-lip peak down to the bottom of the lower lip.
struct MouthSize {
    double width;
    double height;
};

MouthSize mouthSize(const forms::ControlArray<forms::Line>& lines) {
    return {2.0 * (lines(1).X2 - lines(1).X1), static_cast<double>(lines(1).Y2 - lines(0).Y2)};
}

}  // namespace

void PlotterForm::mouthViewButton_Click() {
    BlankPanel.Visible = false;
    program_.Plotter.ViewMode = kMouthView;
    SetPersonCaptions();
    HideFeatureShapes();
    HideLabelsAndPerimeters();
    ResetPlotLines();
    const auto faces = DrawnFaces(*this);
    for (int i = 0; i < kLinesPerFace; ++i) {
        for (const DrawnFace& face : faces) {
            face.items.lines(i).Visible = face.items.check.Value() != 0;
        }
    }
    DrawSymmetryLine(*this);
    for (const DrawnFace& face : faces) {
        drawMouth(face);
    }

    const UiWords& words = program_.Words;
    const MouthSize average = mouthSize(GreenLine);
    std::string text = FiguresHeading(words);
    const auto block = [&](const char* letter, const forms::ControlArray<forms::Line>& lines) {
        const MouthSize size = mouthSize(lines);
        return FiguresBlock(words, letter, words.MouthWord, PercentOf(size.width, average.width),
                            PercentOf(size.height, average.height));
    };
    if (program_.Face1.Loaded) {
        text += block(" A : ", RedLine);
    }
    if (program_.Face2.Loaded) {
        text += block(" B : ", BlueLine);
    }
    Statsbox.setText(text);
}

}  // namespace analysis
