#pragma once

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "common/qt/control_view.h"
#include "common/qt/picture_cache.h"

class QCloseEvent;
class QWidget;

namespace forms {
class Application;
class Control;
class Window;
}  // namespace forms

namespace qtui {

class QtPlatform;
class WindowView;

// Renders the window models of one program as Qt widgets and feeds user input back to them.
//
// Each window becomes a top-level widget when it is first shown, with one child widget per
// control, named by the control's key ("Person1", "QuickKey(3)"). Every user event runs through
// the program's event dispatch; afterwards every widget of the program is brought in line with its
// model. After the program has ended no event reaches it. Closing a window asks its model
// (userClose), which decides; once no window of the program is visible after an event, the
// program ends. The first window the program shows is its main window. A window with an owner
// is a dialog of its owner: it stays above it and opens centred over it the first time it shows.
// A window without one (a wizard goes on from its first window) opens centred over the window in
// use, the one it replaces. A window shown again over the same window opens where the user left
// it; over another, it opens centred over that one.
//
// A program's main: QApplication; QtPlatform platform; forms::Application app(platform, folder);
// the program object; QtBinding binding(app, platform); app.dispatch(start-up); binding.sync();
// return qapp.exec(). The binding must go before the program's windows and the platform.
class QtBinding {
  public:
    QtBinding(forms::Application& app, QtPlatform& platform);
    ~QtBinding();
    QtBinding(const QtBinding&) = delete;
    QtBinding& operator=(const QtBinding&) = delete;

    // Brings every widget in line with its model, shows and hides windows as their models say,
    // and raises the windows shown since.
    void sync();

    // The top-level widget of a window, created when needed.
    QWidget* widgetFor(const forms::Window& window);
    // The widget of a control (for a line or shape: the layer that paints it), created when
    // needed; null for a control of a window the program does not have.
    QWidget* widgetFor(const forms::Control& control);
    int twipsToPixels(int twips) const;

    // Services of the platform.
    void redrawNow(const forms::Control& control);
    void redrawNow(const forms::Window& window);
    void raiseWindow(const forms::Window& window);
    void closeAllWindows();
    // The widget an error box belongs to: the active window, else any shown one, else none.
    QWidget* dialogParent() const;

  private:
    void forward(const std::function<void()>& event);
    void closeRequested(forms::Window& window, QCloseEvent& event);
    WindowView* existingView(const forms::Window& window) const;
    WindowView* viewFor(const forms::Window& window);
    bool anyWindowVisible() const;
    // The window in use before a sync shows or hides anything.
    QWidget* windowInUse() const;
    // Makes the window's widget belong to the widget of its owner, and gives the window it opens
    // over: its owner while that is shown, else the one in use when the event came.
    QWidget* ownerFor(const forms::Window& window, QWidget& widget, QWidget* inUse);
    void place(const forms::Window& window, QWidget& widget, QWidget* inUse);
    static QRect centredOver(const QWidget& owner, QSize size);

    forms::Application& app_;
    QtPlatform& platform_;
    PictureCache pictures_;
    ViewContext context_;
    std::unordered_map<const forms::Window*, std::unique_ptr<WindowView>> views_;
    std::vector<const forms::Window*> toRaise_;
    bool syncing_ = false;
    static constexpr qint64 kForcedPaintIntervalMs = 30;
    // Each control paints at a display's pace on its own, so a run that shows a caption and a
    // picture per item shows both.
    std::unordered_map<const forms::Control*, QElapsedTimer> lastForcedPaint_;
    bool shownAny_ = false;
    const forms::Window* main_ = nullptr;
    // The window each window was last shown over; null for the main window and a window that
    // opened where the desktop put it.
    std::unordered_map<const forms::Window*, const QWidget*> shownOver_;
};

}  // namespace qtui
