#include "analysis/plotter/colours_window.h"

#include <utility>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/program.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr int kSliderSteps = 15;

}  // namespace

Colours::Colours(AnalysisProgram& program) : Window(program.app(), "Colours") {
    setDesign();
    layOut();
    Command1.onClick = [this] { Command1_Click(); };
}

void Colours::setDesign() {
    // Plain English until a string file gives other words.
    Caption = "Colours";
    RedSlider.ToolTipText = "Red";
    GreenSlider.ToolTipText = "Green";
    BlueSlider.ToolTipText = "Blue";
    RGBlabel.Caption = "  R        G         B";
    RGBlabel.WordWrap = false;
    // Large enough for its letters to stand over their sliders.
    RGBlabel.FontSize = 15;
    for (forms::Slider* slider : {&RedSlider, &GreenSlider, &BlueSlider}) {
        slider->Min = 0;
        slider->Max = kSliderSteps;
        slider->SmallChange = 1;
        slider->LargeChange = 3;
        slider->TickFrequency = 1;
        slider->Vertical = true;
    }
    // The design mix is cyan, and the swatch shows it.
    GreenSlider.setValue(kSliderSteps);
    BlueSlider.setValue(kSliderSteps);
    ColourA.Caption = "A";
    ColourB.Caption = "B";
    ColourC.Caption = "C";
    bgButton1.Caption = "Background";
    ChosenColour.Kind = forms::ShapeKind::Rectangle;
    ChosenColour.FillStyle = forms::kFillSolid;
    ChosenColour.FillColor = common::RGB(0, 255, 255);
    Command1.Caption = "OK";
    Command1.Cancel = true;
}

// A narrow column: the three sliders side by side with their buttons beneath, then the
// background button, the swatch and OK, each across the whole width.
void Colours::layOut() {
    Width = pixels(220);
    Height = pixels(420);
    place(RGBlabel, 20, 4, 192, 28);
    const std::pair<forms::Slider*, forms::CommandButton*> columns[] = {
        {&RedSlider, &ColourA}, {&GreenSlider, &ColourB}, {&BlueSlider, &ColourC}};
    int left = 20;
    for (const auto& [slider, button] : columns) {
        place(*slider, left, 34, 48, 180);
        place(*button, left, 222, 48, 30);
        left += 66;
    }
    place(bgButton1, 16, 264, 188, 30);
    place(ChosenColour, 16, 306, 188, 54);
    place(Command1, 16, 374, 188, 32);
}

void Colours::Command1_Click() {
    Hide();
}

}  // namespace analysis
