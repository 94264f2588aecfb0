#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"

namespace transcribe {

class TranscribeProgram;

// The measurement steps: steps 1 to 20 take the X and Y of portrait points 1 to 20, steps 21 to
// 30 portrait angles 1 to 10, each with its guide picture; then the save step.
class Inputwindow : public forms::Window {
  public:
    explicit Inputwindow(TranscribeProgram& program);

    forms::Label Description{*this, "Description"};
    forms::ControlArray<forms::PictureBox> guidePicture{*this, "Picture1", 0, 29};
    // In the order Tab visits them: the boxes, ">>", "<<", then the way out last.
    forms::Label LabelX{*this, "LabelX"};
    forms::TextBox Xpos{*this, "Xpos"};
    forms::Label LabelY{*this, "LabelY"};
    forms::TextBox Ypos{*this, "Ypos"};
    forms::Label angleLabel{*this, "Label3"};
    forms::TextBox Anglebox{*this, "Anglebox"};
    // Beside each box while its text is not what is stored: why, and the value kept.
    forms::Label KeptX{*this, "KeptX"};
    forms::Label KeptY{*this, "KeptY"};
    forms::Label KeptAngle{*this, "KeptAngle"};
    forms::Label Savelabel{*this, "Savelabel"};
    forms::DirListBox Dir1{*this, "Dir1"};
    forms::FileListBox File1{*this, "File1"};
    forms::CommandButton GoForward{*this, "GoForward"};
    forms::CommandButton GoBack{*this, "GoBack"};
    forms::CommandButton QuitButton{*this, "QuitButton"};
    // The current step as decimal text: 1 to 30, 31 and above for the save step.
    forms::TextBox pos{*this, "pos"};

    int step() const;

    void Xpos_Change();
    void Ypos_Change();
    void Anglebox_Change();
    void GoForward_Click();
    void GoBack_Click();
    void QuitButton_Click();
    void Dir1_Change();

    void StartSteps();
    void ShowStep();

    // Whether the X of a point (1 to 20) was typed by the user rather than copied from another.
    bool xTyped(int point) const { return xTyped_[static_cast<std::size_t>(point - 1)]; }

  protected:
    void Form_Load() override;
    bool Form_QueryUnload() override;
    void Form_Unload() override;

  private:
    enum class SaveOutcome { Saved, ScalingFailed, WriteFailed, Cancelled };

    void HideStepPictures();
    void ShowDeltaInputs();
    void showMeasurementBoxes(bool visible);
    void ShowSaveStep();
    void BackToColours();
    void AngleFromDeltas(const forms::TextBox& typed, forms::Label& kept);
    bool takenAsNoPoint(const forms::TextBox& box, forms::Label& kept);
    SaveOutcome SaveFaceFile();
    // The name to save under: the one given when its file is new or the user chose to replace
    // it, another the user gave instead, or nothing when the user cancelled.
    std::optional<std::string> freeFaceName(std::string name);
    // Another name, asked for until one passes the first window's rules; nothing on Cancel.
    std::optional<std::string> askOtherName(const std::string& current);
    void clearKeptWords();
    void setStep(int step);
    // Sets a box's text as the program, not the user: its change handler stores nothing.
    void fill(forms::TextBox& box, std::string text);
    // A point box's typed text: the magnitude, or a beep and the kept value's words beside the
    // box.
    void storePoint(std::string_view text, int element, forms::Label& kept);

    TranscribeProgram& program_;
    bool filling_ = false;
    std::array<bool, 20> xTyped_{};
};

}  // namespace transcribe
