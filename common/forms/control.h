#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class Window;

enum class ControlKind {
    Label,
    CommandButton,
    Frame,
    TextBox,
    CheckBox,
    OptionButton,
    Image,
    PictureBox,
    Line,
    Shape,
    DriveListBox,
    DirListBox,
    FileListBox,
    Slider,
};

// Colour values red + 256 x green + 65536 x blue.
inline constexpr std::int32_t kBlack = 0x000000;
inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kButtonFace = 0xF0F0F0;

// Virtual key codes of the keys the programs react to.
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF10 = 121;

// One control of a window model. It registers with its window under its name (and index, for a
// control of a row), so the Qt binding, the tests and a debugger all see the same names.
// Geometry is in twips, relative to the container (the window, or a frame or picture box).
class Control {
  public:
    Control(Window& window, ControlKind kind, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "Person1", or "QuickKey(3)" for a control of a row.
    std::string key() const;
    Window& window() const { return window_; }

    // Paints the control at once (progress captions during a long handler).
    void Refresh() const;
    // Asks for the keyboard focus: the desktop gives it when the window is next brought in line
    // with its model.
    void SetFocus();

    // A frame or picture box holding this control; null for the window itself.
    Control* Container = nullptr;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string ToolTipText;
    std::int32_t ForeColor = kBlack;
    std::int32_t BackColor = kButtonFace;
    // Point size; 0 keeps the desktop's default.
    double FontSize = 0;
    bool FontBold = false;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void click();
    void dblClick();

  private:
    Window& window_;
    ControlKind kind_;
    std::string name_;
    int index_;
};

}  // namespace forms
