#include "analysis/plotter/feature_view.h"

#include "analysis/mainwindow/ui_words.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"

namespace analysis {

namespace {

constexpr int kSymmetryTop = 500;
constexpr int kSymmetryBottom = 4500;

}  // namespace

void DrawSymmetryLine(PlotterForm& plotter) {
    SetLineEnds(plotter.EyeLevel, kCentreLineX, kSymmetryTop, kCentreLineX, kSymmetryBottom);
    plotter.EyeLevel.Visible = true;
    plotter.NoseLabel.Visible = true;
}

std::string FiguresHeading(const UiWords& words) {
    return words.PercentOfAverageText + "\r\n\r\n";
}

std::string FiguresBlock(const UiWords& words, std::string_view letter, const std::string& feature,
                         float widthPercent, float heightPercent) {
    return words.FaceWord + std::string(letter) + feature + "\r\n" + words.WidthWord + " = " +
           FigureText(widthPercent) + "%\r\n" + words.HeightWord + " = " +
           FigureText(heightPercent) + "%\r\n\r\n";
}

}  // namespace analysis
