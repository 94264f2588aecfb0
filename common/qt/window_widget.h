#pragma once

#include <QWidget>
#include <functional>

namespace qtui {

// The top-level widget of a window model. Closing it and activating it are handed to the owner,
// which decides whether the close happens.
class WindowWidget : public QWidget {
    Q_OBJECT

  public:
    WindowWidget() = default;

    std::function<void(QCloseEvent&)> onClose;
    std::function<void()> onActivate;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace qtui
