#pragma once

#include <string>
#include <string_view>

#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace transcribe {

class TranscribeProgram;

// The first window: the person's details and the paint program the readings come from.
class InitialWindow : public forms::Window {
  public:
    explicit InitialWindow(TranscribeProgram& program);

    forms::Label FirstLabel{*this, "FirstLabel"};
    forms::Label NameLabel{*this, "NameLabel"};
    forms::TextBox NameBox{*this, "NameBox"};
    forms::Label Joblabel{*this, "Joblabel"};
    forms::TextBox JobBox{*this, "JobBox"};
    forms::Label HeightLabel{*this, "HeightLabel"};
    forms::TextBox HeightBox{*this, "HeightBox"};
    forms::Label Imperial{*this, "Imperial"};
    forms::Label URLlabel{*this, "URLlabel"};
    forms::TextBox URLbox{*this, "URLbox"};
    forms::Label NoteLabel{*this, "NoteLabel"};
    forms::Label LoadPhotoshop{*this, "LoadPhotoshop"};
    forms::CommandButton photoshopButton{*this, "ContinueBox"};
    forms::CommandButton FireworksButton{*this, "FireworksButton"};
    forms::CommandButton PSPButton{*this, "PSPButton"};
    forms::CommandButton IllustratorButton{*this, "IllustratorButton"};

    void photoshopButton_Click();
    void FireworksButton_Click();
    void PSPButton_Click();
    void IllustratorButton_Click();
    void HeightBox_Change();

    // Puts a string file's name (UTF-8) into the name box, in Windows-1252 like any typed name.
    // A name that has no such form is shown as it is, and refused at ">>" unless the user
    // types another.
    void offerName(std::string_view words);

  protected:
    void Form_Load() override;
    bool Form_QueryUnload() override;
    void Form_Unload() override;

  private:
    // At each ">>": the name names the face file, each value takes one line of it and the height
    // must be one the analysis reads; anything else is refused with a message saying why.
    bool detailsAccepted();
    // Shared by the four mode buttons once the mode flag is set.
    void goOn();

    TranscribeProgram& program_;
    // A name offered by the string file that Windows-1252 cannot hold; empty when there is none.
    std::string unheldName_;
};

}  // namespace transcribe
