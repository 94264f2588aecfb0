#pragma once

#include <QFont>
#include <functional>

#include "common/qt/twips_scale.h"

class QWidget;

namespace forms {
class Control;
}

namespace qtui {

class PictureCache;

// Runs one user event through the program's event dispatch and brings every widget in line
// afterwards; events that arrive while the widgets are being brought in line are dropped.
using Forwarder = std::function<void(const std::function<void()>& event)>;

// What every control view shares, owned by the binding.
struct ViewContext {
    Forwarder forward;
    TwipsScale scale;
    PictureCache& pictures;
};

// The widget of one control and the code that keeps it in line with the control's model.
class ControlView {
  public:
    ControlView() = default;
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    virtual QWidget& widget() = 0;
    virtual void sync() = 0;
};

class ClickTracker;

// Sends the clicks and double clicks a widget's tracker sees to the control's model, each through
// the program's event dispatch.
void forwardClicks(ClickTracker& clicks, forms::Control& control, const ViewContext& context);

// Position and size, visibility, enabling, tool tip and font: what every kind of control shares.
// The font is the base font with the control's size and weight.
void syncCommon(QWidget& widget, const forms::Control& control, const TwipsScale& scale,
                const QFont& baseFont);

}  // namespace qtui
