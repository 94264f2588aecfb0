#include "analysis/plotter/colours_window.h"

#include <cstdint>
#include <utility>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/plotter/plot_colours.h"
#include "analysis/program.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr int kSliderSteps = 15;

}  // namespace

Colours::Colours(AnalysisProgram& program) : Window(program.app(), "Colours"), program_(program) {
    setDesign();
    layOut();
    // A slider's click and its change both come here as a change of value.
    for (forms::Slider* slider : {&RedSlider, &GreenSlider, &BlueSlider}) {
        slider->onChange = [this] { UpdateChosenColour(); };
        slider->onClick = [this] { UpdateChosenColour(); };
    }
    ColourA.onClick = [this] { ColourA_Click(); };
    ColourB.onClick = [this] { ColourB_Click(); };
    ColourC.onClick = [this] { ColourC_Click(); };
    bgButton1.onClick = [this] { bgButton1_Click(); };
    okButton.onClick = [this] { okButton_Click(); };
}

// The swatch shows colour A as last applied; the sliders stay where they are until touched.
void Colours::Form_Load() {
    PlotterForm& plotter = program_.PlotterWindow;
    plotter.Load();
    ChosenColour.FillColor = plotter.CheckBoxA.ForeColor;
}

// Sixteen steps a component: 0, 17, 34, ..., 255.
void Colours::UpdateChosenColour() {
    PlotterState& state = program_.Plotter;
    const std::int32_t r = RedSlider.Value();
    const std::int32_t g = GreenSlider.Value();
    const std::int32_t b = BlueSlider.Value();
    state.ChosenRed = 16 * r + r;
    state.ChosenGreen = (16 * g + g) * 256;
    state.ChosenBlue = (16 * b + b) * 65536;
    ChosenColour.FillColor = state.ChosenRed + state.ChosenGreen + state.ChosenBlue;
}

void Colours::ColourA_Click() {
    program_.PlotColourA = ChosenColour.FillColor;
    ApplyColourA(program_);
}

void Colours::ColourB_Click() {
    program_.PlotColourB = ChosenColour.FillColor;
    ApplyColourB(program_);
}

void Colours::ColourC_Click() {
    program_.PlotColourC = ChosenColour.FillColor;
    ApplyColourC(program_);
}

void Colours::bgButton1_Click() {
    program_.PlotBackgroundColour = ChosenColour.FillColor;
    PaintPlotterBackground(program_);
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
    okButton.Caption = "OK";
    okButton.Cancel = true;
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
    place(okButton, 16, 374, 188, 32);
}

void Colours::okButton_Click() {
    Hide();
}

}  // namespace analysis
