#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "common/forms/control.h"

namespace forms {

enum class Alignment { Left, Right, Center };

class Label : public Control {
  public:
    Label(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::Label, std::move(name), index) {}

    std::string Caption;
    Alignment TextAlign = Alignment::Left;
    bool WordWrap = true;
    // Opaque labels paint their BackColor; transparent ones show what lies beneath.
    bool Opaque = false;
    // A label that serves as a button: drawn and hovered like one, and worked from the keyboard.
    bool ButtonLike = false;
    // The button the Escape key presses: the way out of a secondary window.
    bool Cancel = false;
};

class CommandButton : public Control {
  public:
    CommandButton(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::CommandButton, std::move(name), index) {}

    std::string Caption;
    // The button the Escape key presses: the way out of a secondary window.
    bool Cancel = false;
};

class Frame : public Control {
  public:
    Frame(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::Frame, std::move(name), index) {}

    std::string Caption;
};

class TextBox : public Control {
  public:
    TextBox(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::TextBox, std::move(name), index) {
        BackColor = kWhite;
    }

    const std::string& Text() const { return text_; }
    // Assigning a different text runs the change handler, as typing does.
    void setText(std::string text);
    // The user's edit: as setText, and with ChangeOnEveryEdit the change handler runs also when
    // the edit leaves the text as it was (a "0" typed over the "0" the box showed).
    void userEdit(std::string text);

    bool MultiLine = false;
    // A multi-line box with a vertical scroll bar always shown.
    bool VerticalScrollBar = false;
    bool Locked = false;
    bool FixedPitch = false;
    // The most characters the user may type; 0 for no limit. Text the program sets is kept whole.
    int MaxLength = 0;
    bool ChangeOnEveryEdit = false;
    // Whether Tab stops at the box; a box that is not a stop still takes a click.
    bool TabStop = true;
    std::function<void()> onChange;
    // Each edit of the user, before its change handler, also one that leaves the text as it was.
    std::function<void()> onUserEdit;
    // Return or Enter pressed in the box; without a handler the key does nothing here.
    std::function<void()> onReturn;
    // When set, text typed that Windows-1252 cannot hold is not taken: the box keeps its text and
    // this runs instead.
    std::function<void()> onForeignText;

    // Selects the whole text, so that what the user types next replaces it: the desktop does so
    // when the window is next brought in line with its model.
    void SelectAll() { selectAllRequested_ = true; }
    bool selectAllPending() const { return selectAllRequested_; }
    bool takeSelectAllRequest() { return std::exchange(selectAllRequested_, false); }

  private:
    std::string text_;
    bool selectAllRequested_ = false;
};

class CheckBox : public Control {
  public:
    CheckBox(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::CheckBox, std::move(name), index) {}

    // 1 ticked, 0 not.
    int Value() const { return value_; }
    // A new value runs the click handler, as a click does.
    void setValue(int value);
    // A user's click toggles the tick.
    void userClick() { setValue(value_ == 0 ? 1 : 0); }

    std::string Caption;

  private:
    int value_ = 0;
};

class OptionButton : public Control {
  public:
    OptionButton(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::OptionButton, std::move(name), index) {}

    bool Value() const { return value_; }
    // Selecting an option clears the others of its container and runs its click handler.
    void setValue(bool value);

    std::string Caption;

  private:
    bool value_ = false;
};

// Image and picture box show a picture loaded from a file; an empty path shows none.
class PictureControl : public Control {
  public:
    using Control::Control;

    const std::string& Picture() const { return picture_; }
    // Raises FileNotFound or InvalidPicture and keeps the old picture when the file cannot be
    // shown.
    void LoadPicture(const std::string& path);
    void ClearPicture() { picture_.clear(); }
    // A picture drawn by the program itself ("design:link", "design:next", ...), set without a
    // file check; the binding paints it.
    void setDesignPicture(std::string name) { picture_ = std::move(name); }
    bool hasDesignPicture() const { return picture_.starts_with("design:"); }

    bool Stretch = true;
    bool Border = false;

  private:
    std::string picture_;
};

class Image : public PictureControl {
  public:
    Image(Window& window, std::string name, int index = -1)
        : PictureControl(window, ControlKind::Image, std::move(name), index) {}
};

class PictureBox : public PictureControl {
  public:
    PictureBox(Window& window, std::string name, int index = -1)
        : PictureControl(window, ControlKind::PictureBox, std::move(name), index) {}
};

enum class BorderStyle { Transparent = 0, Solid = 1, Dash = 2, Dot = 3, DashDot = 4 };

class Line : public Control {
  public:
    Line(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::Line, std::move(name), index) {}

    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    std::int32_t BorderColor = kBlack;
    int BorderWidth = 1;
    BorderStyle Style = BorderStyle::Solid;
};

enum class ShapeKind {
    Rectangle = 0,
    Square = 1,
    Oval = 2,
    Circle = 3,
    RoundedRectangle = 4,
    RoundedSquare = 5
};

// Fill style codes: 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal,
// 5 downward diagonal, 6 cross, 7 diagonal cross.
inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;
inline constexpr int kFillHorizontal = 2;
inline constexpr int kFillVertical = 3;
inline constexpr int kFillUpwardDiagonal = 4;
inline constexpr int kFillDownwardDiagonal = 5;
inline constexpr int kFillCross = 6;
inline constexpr int kFillDiagonalCross = 7;

class Shape : public Control {
  public:
    Shape(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::Shape, std::move(name), index) {}

    ShapeKind Kind = ShapeKind::Rectangle;
    std::int32_t BorderColor = kBlack;
    int BorderWidth = 1;
    BorderStyle Style = BorderStyle::Solid;
    std::int32_t FillColor = kBlack;
    int FillStyle = kFillTransparent;
    // A colour well: a sunken frame round the fill, which shows an empty well while the fill is
    // transparent.
    bool Well = false;
};

class Slider : public Control {
  public:
    Slider(Window& window, std::string name, int index = -1)
        : Control(window, ControlKind::Slider, std::move(name), index) {}

    int Value() const { return value_; }
    // A new value runs the change handler; a value outside Min..Max is InvalidPropertyValue.
    void setValue(int value);

    int Min = 0;
    int Max = 10;
    int SmallChange = 1;
    int LargeChange = 5;
    int TickFrequency = 1;
    // An upright slider has its Min at the bottom.
    bool Vertical = false;
    std::function<void()> onChange;

  private:
    int value_ = 0;
};

}  // namespace forms
