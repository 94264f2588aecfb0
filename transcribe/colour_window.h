#pragma once

#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace transcribe {

class TranscribeProgram;

// The second window: hair, eye and skin colours as the eyedropper shows them, each with its
// swatch. The swatch's fill colour is the value the face file keeps.
class ColourWindow : public forms::Window {
  public:
    explicit ColourWindow(TranscribeProgram& program);

    forms::Label HairLabel{*this, "HairLabel"};
    forms::TextBox HairInputBox{*this, "HairInputBox"};
    forms::Shape HairColourBox{*this, "HairColourBox"};
    forms::Label EyeLabel{*this, "EyeLabel"};
    forms::TextBox EyeInputBox{*this, "EyeInputBox"};
    forms::Shape EyeColourBox{*this, "EyeColourBox"};
    forms::Label SkinLabel{*this, "SkinLabel"};
    forms::TextBox SkinInputBox{*this, "SkinInputBox"};
    forms::Shape SkinColourBox{*this, "SkinColourBox"};
    forms::Label ColourInstructions{*this, "ColourInstructions"};
    forms::CommandButton ForwardButton{*this, "ForwardButton"};

    void HairInputBox_Change() { showColour(HairInputBox, HairColourBox); }
    void EyeInputBox_Change() { showColour(EyeInputBox, EyeColourBox); }
    void SkinInputBox_Change() { showColour(SkinInputBox, SkinColourBox); }
    void ForwardButton_Click();

  protected:
    bool Form_QueryUnload() override;
    void Form_Unload() override;

  private:
    void showColour(const forms::TextBox& box, forms::Shape& swatch);

    TranscribeProgram& program_;
};

}  // namespace transcribe
