#pragma once

#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;
struct UiWords;

// The preferences window: the seven feature weights, the automatic quick keys, the unit of
// height and the faces of the quick keys F1 to F10. Every change takes effect at once: the
// comparison reads the sliders themselves, so there is nothing to apply and no cancel.
class PrefsForm : public forms::Window {
  public:
    explicit PrefsForm(AnalysisProgram& program);

    // The two ends of the weight scale, above the sliders.
    forms::Label lessImportantLabel{*this, "Label1"};
    forms::Label moreImportantLabel{*this, "Label2"};

    // Weight names and their sliders, row by row.
    forms::Label eyeSliderLabel{*this, "Label3"};
    forms::Slider EyeSlider{*this, "EyeSlider"};
    forms::Label noseSliderLabel{*this, "Label4"};
    forms::Slider NoseSlider{*this, "NoseSlider"};
    forms::Label mouthSliderLabel{*this, "Label5"};
    forms::Slider MouthSlider{*this, "MouthSlider"};
    forms::Label jawlineSliderLabel{*this, "Label7"};
    forms::Slider JawlineSlider{*this, "JawlineSlider"};
    forms::Label profileSliderLabel{*this, "Label10"};
    forms::Slider ProfileSlider{*this, "ProfileSlider"};
    forms::Label colourationSliderLabel{*this, "Label9"};
    forms::Slider ColourationSlider{*this, "ColourationSlider"};
    forms::Label faceSliderLabel{*this, "Label6"};
    forms::Slider FaceSlider{*this, "FaceSlider"};

    // What the weights are for.
    forms::Label weightsExplanation{*this, "Label8"};

    forms::Frame PrefsFrame{*this, "PrefsFrame"};
    forms::OptionButton UnitsImperial{*this, "UnitsImperial"};
    forms::OptionButton UnitsMetric{*this, "UnitsMetric"};

    // Quick keys 1 to 10; index 0 is left over from the first design, hidden and never used.
    forms::Frame FKeysFrame{*this, "FKeysFrame"};
    forms::ControlArray<forms::CommandButton> FButton{*this, "FButton", 0, 10};
    forms::ControlArray<forms::Label> F1Person{*this, "F1Person", 0, 10};
    forms::CheckBox AutoTopTen{*this, "AutoTopTen"};

    forms::CommandButton okButton{*this, "Command1"};

    // The captions of start-up, in English; a string file may replace them later.
    void captionAtStartUp(const UiWords& words);

    void okButton_Click();
    void UnitsImperial_Click();
    void UnitsMetric_Click();
    void FButton_Click(int index);

  private:
    void setDesign();
    void layOut();
    void wireHandlers();

    AnalysisProgram& program_;
};

}  // namespace analysis
