#include <string>

#include "analysis/engine/face_loading.h"
#include "analysis/plotter/plot_colours.h"
#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/program.h"

namespace analysis {

namespace {

constexpr int kLinesPerFace = 11;

void setFillStyle(const PlotFace& face, int style) {
    for (forms::Shape* shape : {&face.mouth, &face.nose, &face.eye1, &face.eye2, &face.outline}) {
        shape->FillStyle = style;
    }
}

}  // namespace

// Runs once, at start-up, before any face, word or preference exists.
void PlotterForm::Form_Load() {
    unshadedBoxes_Click();
    CheckBoxC_Click();
    HidePlotLines();
    HideLabelsAndPerimeters();
    HideFeatureShapes();
    ApplyColourA(program_);
    ApplyColourB(program_);
    ApplyColourC(program_);
    PaintPlotterBackground(program_);
    SetPersonCaptions();
    faceShapeViewButton_Click();
}

void PlotterForm::Form_Activate() {
    ApplyColourA(program_);
    ApplyColourB(program_);
    ApplyColourC(program_);
    SetPersonCaptions();
    ShowHeights();
    replotIfFacesChanged();
}

void PlotterForm::SetPersonCaptions() {
    CheckBoxA.Caption = program_.MainWindow.Person1.Caption;
    CheckBoxB.Caption = program_.MainWindow.Person2.Caption;
}

void PlotterForm::ShowHeights() {
    const UiWords& words = program_.Words;
    const bool imperial = program_.ImperialUnits != 0;
    Statsbox.setText(words.HeightWord + " = " +
                     HeightText(program_.Face1.FaceHeight, imperial, words) + "\r\n");
    Statsbox.setText(Statsbox.Text() + words.HeightWord + " = " +
                     HeightText(program_.Face2.FaceHeight, imperial, words) + "\r\n");
}

// A face shown again reappears where the last view put it.
void PlotterForm::showFace(const PlotFace& face) {
    const bool shown = face.check.Value() != 0;
    for (forms::Shape* shape : {&face.outline, &face.eye1, &face.eye2, &face.mouth, &face.nose}) {
        shape->Visible = shown;
    }
    for (int i = 0; i < kLinesPerFace; ++i) {
        face.lines(i).Visible = shown;
    }
}

void PlotterForm::CheckBoxA_Click() {
    showFace(faceA());
}

void PlotterForm::CheckBoxB_Click() {
    showFace(faceB());
}

void PlotterForm::CheckBoxC_Click() {
    showFace(faceC());
}

// Shaded: A upward diagonals, B a diagonal cross, C downward diagonals.
void PlotterForm::shadedBoxes_Click() {
    setFillStyle(faceA(), forms::kFillUpwardDiagonal);
    setFillStyle(faceC(), forms::kFillDownwardDiagonal);
    setFillStyle(faceB(), forms::kFillDiagonalCross);
}

void PlotterForm::unshadedBoxes_Click() {
    for (const PlotFace& face : {faceA(), faceB(), faceC()}) {
        setFillStyle(face, forms::kFillTransparent);
    }
}

// The face of quick key Index + 1 becomes face 2, as the main window's quick keys load it; a key
// without a name does nothing.
void PlotterForm::QuickKey_Click(int index) {
    const std::string& name = program_.PrefsWindow.F1Person(index + 1).Caption;
    if (name.empty()) {
        return;
    }
    LoadSecondFace(program_, name + ".txt");
    ShowHeights();
    ReplotCurrentView();
}

void PlotterForm::ColourButton_Click() {
    program_.ColoursWindow.Show();
}

void PlotterForm::OKbutton_Click() {
    Hide();
}

}  // namespace analysis
