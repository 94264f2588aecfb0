#include "analysis/plotter/plotter_form.h"

// The clearing procedures the views start with. They are not symmetric, and the views rely on
// each one's exact effect: HidePlotLines parks EyeLevel without hiding it, while
// HideLabelsAndPerimeters hides it without moving it.

namespace analysis {

namespace {

constexpr int kParked = 9999;
constexpr int kLinesPerFace = 11;

}  // namespace

void PlotterForm::ResetPlotLines() {
    for (int i = 0; i < kLinesPerFace; ++i) {
        for (forms::Line* line : {&RedLine(i), &BlueLine(i), &GreenLine(i)}) {
            line->X1 = 0;
            line->X2 = 0;
            line->Y1 = 0;
            line->Y2 = 0;
        }
    }
}

void PlotterForm::HidePlotLines() {
    EyeLevel.X1 = kParked;
    EyeLevel.Y1 = kParked;
    EyeLevel.X2 = kParked;
    EyeLevel.Y2 = kParked;
    for (int i = 0; i < kLinesPerFace; ++i) {
        RedLine(i).Visible = false;
        BlueLine(i).Visible = false;
        GreenLine(i).Visible = false;
    }
}

void PlotterForm::HideFeatureShapes() {
    for (forms::Shape* shape :
         {&EyeArea1, &EyeArea2, &EyeArea1g, &EyeArea2g, &EyeArea1b, &EyeArea2b, &NoseArea1,
          &NoseArea1g, &NoseArea1b, &MouthArea1, &MouthArea1b, &MouthArea1g}) {
        shape->Top = kParked;
        shape->Left = kParked;
        shape->Width = 0;
        shape->Height = 0;
    }
    NoseLabel.Visible = false;
}

void PlotterForm::HideLabelsAndPerimeters() {
    TopLabel.Visible = false;
    BottomLabel.Visible = false;
    EyeLevelLabel.Visible = false;
    EyeLevel.Visible = false;
    for (forms::Shape* outline : {&Perimeter1, &Perimeter2, &Perimeter3}) {
        outline->Top = 0;
        outline->Width = 0;
        outline->Left = 0;
        outline->Height = 0;
    }
}

}  // namespace analysis
