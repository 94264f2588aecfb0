#pragma once

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace qtui {

// Turns a widget's mouse events into the click and double click of a control: a click is a left
// button released inside the widget after pressing it there; a double click reports only the
// double click, not a second click. From the keyboard, as on a push button, Space clicks when it
// is let go and Return or Enter click at once.
class ClickTracker {
  public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    void press(const QMouseEvent& event);
    void doubleClick(const QMouseEvent& event);
    void release(const QWidget& widget, const QMouseEvent& event);
    // True when the key was one that clicks.
    bool keyPress(const QKeyEvent& event);
    bool keyRelease(const QKeyEvent& event);
    // The focus went elsewhere while Space was down: no click.
    void dropKey() { spaceDown_ = false; }
    // Held down by the mouse or by Space.
    bool pressed() const { return pressed_ || spaceDown_; }

  private:
    void click() const;

    bool pressed_ = false;
    bool secondPress_ = false;
    bool spaceDown_ = false;
};

}  // namespace qtui
