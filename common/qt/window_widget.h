#pragma once

#include <QWidget>
#include <functional>

namespace qtui {

// The top-level widget of a window model. Closing it, activating it and an Escape that no control
// took are handed to the owner, which decides what they do.
class WindowWidget : public QWidget {
    Q_OBJECT

  public:
    WindowWidget() = default;

    std::function<void(QCloseEvent&)> onClose;
    std::function<void()> onActivate;
    // True when the Escape key did something.
    std::function<bool()> onEscape;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qtui
