#pragma once

#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The plotter window: faces A (face 1), B (face 2) and C (the average face) drawn over one
// another on the canvas, each with its own eleven lines, outline and four feature shapes. The
// panels on the right hold the face switches, profile arrows and fill styles above, the figures,
// view buttons, quick keys and the way back below.
class PlotterForm : public forms::Window {
  public:
    explicit PlotterForm(AnalysisProgram& program);

    // Face switches, profile arrows, colours and fill styles.
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::CheckBox CheckBoxA{*this, "CheckBoxA"};
    forms::Image RedLeftArrow{*this, "RedLeftArrow"};
    forms::Image RedRightArrow{*this, "RedRightArrow"};
    forms::CheckBox CheckBoxB{*this, "CheckBoxB"};
    forms::Image BlueLeftArrow{*this, "BlueLeftArrow"};
    forms::Image BlueRightArrow{*this, "BlueRightArrow"};
    forms::CheckBox CheckBoxC{*this, "CheckBoxC"};
    forms::Image GreenLeftArrow{*this, "GreenLeftArrow"};
    forms::Image GreenRightArrow{*this, "GreenRightArrow"};
    forms::Label ColourButton{*this, "ColourButton"};
    forms::OptionButton Option1{*this, "Option1"};
    forms::OptionButton Option2{*this, "Option2"};
    // Comes after the fill styles so that it covers them while the profile, which has no
    // shapes to fill, is shown.
    forms::Image BlankPanel{*this, "BlankPanel"};

    // Figures of the view, the six views, the quick keys and the way back.
    forms::PictureBox ButtonPanel{*this, "ButtonPanel"};
    forms::TextBox Statsbox{*this, "Statsbox"};
    forms::Label Command1{*this, "Command1"};
    forms::Label Command2{*this, "Command2"};
    forms::Label Command3{*this, "Command3"};
    forms::Label Command4{*this, "Command4"};
    forms::Label Command5{*this, "Command5"};
    forms::Label ProfileButton{*this, "ProfileButton"};
    // Two rows of five: 0 to 4 above, 5 to 9 below.
    forms::ControlArray<forms::Label> QuickKey{*this, "QuickKey", 0, 9};
    forms::Label OKbutton{*this, "OKbutton"};

    // Reference labels and the eye-level line on the canvas.
    forms::Label TopLabel{*this, "TopLabel"};
    forms::Label BottomLabel{*this, "BottomLabel"};
    forms::Label EyeLevelLabel{*this, "EyeLevelLabel"};
    forms::Label NoseLabel{*this, "NoseLabel"};
    forms::Line EyeLevel{*this, "EyeLevel"};

    // The faces' lines: A red, B blue, C green in the design.
    forms::ControlArray<forms::Line> RedLine{*this, "RedLine", 0, 10};
    forms::ControlArray<forms::Line> BlueLine{*this, "BlueLine", 0, 10};
    forms::ControlArray<forms::Line> GreenLine{*this, "GreenLine", 0, 10};

    // Face outlines of A, B and C.
    forms::Shape Perimeter1{*this, "Perimeter1"};
    forms::Shape Perimeter2{*this, "Perimeter2"};
    forms::Shape Perimeter3{*this, "Perimeter3"};
    // Feature areas: face A plain, face B "b", face C "g".
    forms::Shape EyeArea1{*this, "EyeArea1"};
    forms::Shape EyeArea2{*this, "EyeArea2"};
    forms::Shape NoseArea1{*this, "NoseArea1"};
    forms::Shape MouthArea1{*this, "MouthArea1"};
    forms::Shape EyeArea1b{*this, "EyeArea1b"};
    forms::Shape EyeArea2b{*this, "EyeArea2b"};
    forms::Shape NoseArea1b{*this, "NoseArea1b"};
    forms::Shape MouthArea1b{*this, "MouthArea1b"};
    forms::Shape EyeArea1g{*this, "EyeArea1g"};
    forms::Shape EyeArea2g{*this, "EyeArea2g"};
    forms::Shape NoseArea1g{*this, "NoseArea1g"};
    forms::Shape MouthArea1g{*this, "MouthArea1g"};

    void OKbutton_Click();

  private:
    void setDesign();
    void designCanvas();
    void layOut();
};

}  // namespace analysis
