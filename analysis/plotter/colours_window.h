#pragma once

#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The colour chooser of the plotter: three upright sliders mix a colour, shown in the swatch,
// which the buttons give to face A, B or C or to the plotter's background.
class Colours : public forms::Window {
  public:
    explicit Colours(AnalysisProgram& program);

    forms::Label RGBlabel{*this, "RGBlabel"};
    // Sixteen steps each, 0 at the bottom.
    forms::Slider RedSlider{*this, "RedSlider"};
    forms::Slider GreenSlider{*this, "GreenSlider"};
    forms::Slider BlueSlider{*this, "BlueSlider"};
    forms::CommandButton ColourA{*this, "ColourA"};
    forms::CommandButton ColourB{*this, "ColourB"};
    forms::CommandButton ColourC{*this, "ColourC"};
    forms::CommandButton bgButton1{*this, "bgButton1"};
    forms::Shape ChosenColour{*this, "ChosenColour"};
    forms::CommandButton okButton{*this, "Command1"};

    // The swatch takes the slider mix.
    void UpdateChosenColour();
    void ColourA_Click();
    void ColourB_Click();
    void ColourC_Click();
    void bgButton1_Click();
    void okButton_Click();

  protected:
    void Form_Load() override;

  private:
    void setDesign();
    void layOut();

    AnalysisProgram& program_;
};

}  // namespace analysis
