#pragma once

#include <functional>

class QMouseEvent;
class QWidget;

namespace qtui {

// Turns a widget's mouse events into the click and double click of a control: a click is a left
// button released inside the widget after pressing it there; a double click reports only the
// double click, not a second click.
class ClickTracker {
  public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void press(const QMouseEvent& event);
    void doubleClick(const QMouseEvent& event);
    void release(const QWidget& widget, const QMouseEvent& event);
    // A click made with the keyboard.
    void keyClick() const;
    bool pressed() const { return pressed_; }

  private:
    bool pressed_ = false;
    bool secondPress_ = false;
};

}  // namespace qtui
