#pragma once

#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The items of one face on the canvas: its check box, its eleven lines, its outline and its four
// feature shapes.
struct PlotFace {
    forms::CheckBox& check;
    const forms::ControlArray<forms::Line>& lines;
    forms::Shape& outline;
    forms::Shape& eye1;
    forms::Shape& eye2;
    forms::Shape& nose;
    forms::Shape& mouth;
};

// The plotter window: faces A (face 1), B (face 2) and C (the average face) drawn over one
// another on the canvas, each with its own eleven lines, outline and four feature shapes. Two
// panels stand side by side right of the canvas: the face switches, profile arrows, colours and
// fill styles; the figures, view buttons, quick keys and the way back.
class PlotterForm : public forms::Window {
  public:
    explicit PlotterForm(AnalysisProgram& program);

    // Face switches, profile arrows, colours and fill styles.
    forms::PictureBox facesPanel{*this, "Picture1"};
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
    forms::OptionButton shadedBoxes{*this, "Option1"};
    forms::OptionButton unshadedBoxes{*this, "Option2"};
    // Comes after the fill styles so that it covers them while the profile, which has no
    // shapes to fill, is shown.
    forms::Image BlankPanel{*this, "BlankPanel"};

    // Figures of the view, the six views, the quick keys and the way back.
    forms::PictureBox ButtonPanel{*this, "ButtonPanel"};
    forms::TextBox Statsbox{*this, "Statsbox"};
    forms::Label eyesViewButton{*this, "Command1"};
    forms::Label noseViewButton{*this, "Command2"};
    forms::Label mouthViewButton{*this, "Command3"};
    forms::Label layoutViewButton{*this, "Command4"};
    forms::Label faceShapeViewButton{*this, "Command5"};
    forms::Label ProfileButton{*this, "ProfileButton"};
    // Two rows of five: 0 to 4 above, 5 to 9 below.
    forms::ControlArray<forms::Label> QuickKey{*this, "QuickKey", 0, 9};
    forms::Label OKbutton{*this, "OKbutton"};

    // Reference labels on the canvas.
    forms::Label TopLabel{*this, "TopLabel"};
    forms::Label BottomLabel{*this, "BottomLabel"};
    forms::Label EyeLevelLabel{*this, "EyeLevelLabel"};
    forms::Label NoseLabel{*this, "NoseLabel"};

    // The canvas paints in this order: outlines, feature shapes, then the lines over them.
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

    // The faces' lines: A red, B blue, C green in the design; the eye-level line of no face.
    forms::ControlArray<forms::Line> RedLine{*this, "RedLine", 0, 10};
    forms::ControlArray<forms::Line> BlueLine{*this, "BlueLine", 0, 10};
    forms::ControlArray<forms::Line> GreenLine{*this, "GreenLine", 0, 10};
    forms::Line EyeLevel{*this, "EyeLevel"};

    AnalysisProgram& program() const { return program_; }
    // The items of face A (face 1), B (face 2) or C (the average face).
    PlotFace faceA() {
        return {CheckBoxA, RedLine, Perimeter1, EyeArea1, EyeArea2, NoseArea1, MouthArea1};
    }
    PlotFace faceB() {
        return {CheckBoxB, BlueLine, Perimeter2, EyeArea1b, EyeArea2b, NoseArea1b, MouthArea1b};
    }
    PlotFace faceC() {
        return {CheckBoxC, GreenLine, Perimeter3, EyeArea1g, EyeArea2g, NoseArea1g, MouthArea1g};
    }

    // Clearing procedures the views start with; each leaves the canvas as its comment says.
    // All 33 face lines at (0, 0)-(0, 0); their visibility stays.
    void ResetPlotLines();
    // EyeLevel parked at 9999 (still shown if it was), all 33 face lines hidden.
    void HidePlotLines();
    // The twelve feature shapes parked at left and top 9999 with no size, NoseLabel hidden; the
    // outlines are not touched.
    void HideFeatureShapes();
    // The three reference labels and EyeLevel hidden (EyeLevel not moved), the outlines
    // zero-sized at (0, 0).
    void HideLabelsAndPerimeters();
    // The check boxes take the names of faces 1 and 2 from the main window.
    void SetPersonCaptions();
    // The heights of faces 1 and 2, one line each, replace the text of Statsbox.
    void ShowHeights();
    // Draws again the view ViewMode names, as pressing its button would.
    void ReplotCurrentView();

    // Events.
    void CheckBoxA_Click();
    void CheckBoxB_Click();
    void CheckBoxC_Click();
    void shadedBoxes_Click();
    void unshadedBoxes_Click();
    void QuickKey_Click(int index);
    void ColourButton_Click();
    void OKbutton_Click();

    // The views: eyes, nose, mouth, layout, face shape, profile.
    void eyesViewButton_Click();
    void noseViewButton_Click();
    void mouthViewButton_Click();
    void layoutViewButton_Click();
    void faceShapeViewButton_Click();
    void ProfileButton_Click();
    // Profile arrows: face A, B or C's profile 50 twips to the left or right.
    void RedLeftArrow_Click();
    void RedRightArrow_Click();
    void BlueLeftArrow_Click();
    void BlueRightArrow_Click();
    void GreenLeftArrow_Click();
    void GreenRightArrow_Click();

    // The face-shape view.
    void DrawFaceShapeView();
    void ClassifyFaceShapes();

    // The profile view: all three chains after clearing, or one face's chain over what is shown.
    void DrawProfiles();
    void DrawProfileA();
    void DrawProfileB();
    void DrawProfileC();

  protected:
    void Form_Load() override;
    void Form_Activate() override;

  private:
    using View = void (PlotterForm::*)();

    // Draws a view for the faces now loaded and remembers them.
    void pressView(View view);
    // Draws the pressed view again when face 1 or 2 is no longer the one it was drawn for.
    void replotIfFacesChanged();
    void setDesign();
    void designCanvas();
    void layOut();
    void connectEvents();
    void showFace(const PlotFace& face);

    AnalysisProgram& program_;
};

}  // namespace analysis
