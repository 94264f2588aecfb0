#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/qt/canvas_widget.h"
#include "common/qt/control_view.h"
#include "common/qt/window_widget.h"

namespace forms {
class Control;
class Window;
}  // namespace forms

namespace qtui {

// The top-level widget of one window model with a widget per control and a drawing layer per
// container that holds lines or shapes. Showing and hiding the window is the binding's job.
class WindowView {
  public:
    WindowView(forms::Window& window, const ViewContext& context);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    forms::Window& window() const { return window_; }
    WindowWidget& widget() { return widget_; }

    // Brings the window and every control in line with the model, creating widgets for controls
    // it has not seen yet.
    void sync();
    // Brings the window, or one control, in line and paints it at once.
    void redrawNow();
    void redrawNow(const forms::Control& control);
    // The widget of a control; for a line or shape, the layer that paints it; null for a control
    // of another window.
    QWidget* widgetFor(const forms::Control& control);

  private:
    struct Placed {
        int left = 0;
        int top = 0;
        int width = -1;
        int height = -1;
        bool fixed = false;
    };

    // The window's own, modifiable, control; null for a control of another window.
    forms::Control* own(const forms::Control& control) const;
    ControlView* viewFor(forms::Control& control);
    CanvasWidget& canvasFor(const forms::Control* container);
    QWidget& holderFor(const forms::Control* container);
    void syncFrame();
    bool pressCancel();

    forms::Window& window_;
    const ViewContext& context_;
    WindowWidget widget_;
    // Containers are created before what they hold, and everything is destroyed in the opposite
    // order, so no widget outlives its parent.
    std::vector<std::unique_ptr<CanvasWidget>> canvases_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::unordered_map<const forms::Control*, ControlView*> byControl_;
    Placed placed_;
    std::string icon_;
};

}  // namespace qtui
