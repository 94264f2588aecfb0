#include <QApplication>

#include "common/forms/controls.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/slider_widget.h"

namespace qtui {

namespace {

class SliderView : public ControlView {
  public:
    SliderView(forms::Slider& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        // The value changes once the handle is let go, not at every step of a drag.
        widget_.setTracking(false);
        widget_.setTickPosition(QSlider::TicksBelow);
        QObject::connect(&widget_, &QSlider::valueChanged, &widget_, [this](int value) {
            context_.forward([this, value] { model_.setValue(value); });
        });
        widget_.clicks.onClick = [this] { context_.forward([this] { model_.click(); }); };
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        applyColours(widget_, model_.ForeColor, &model_.BackColor);
        if (widget_.minimum() != model_.Min || widget_.maximum() != model_.Max) {
            widget_.setRange(model_.Min, model_.Max);
        }
        widget_.setSingleStep(model_.SmallChange);
        widget_.setPageStep(model_.LargeChange);
        widget_.setTickInterval(model_.TickFrequency);
        const Qt::Orientation orientation = model_.Vertical ? Qt::Vertical : Qt::Horizontal;
        if (widget_.orientation() != orientation) {
            widget_.setOrientation(orientation);
            widget_.setTickPosition(model_.Vertical ? QSlider::TicksRight : QSlider::TicksBelow);
        }
        // A handle the user is dragging stays under the mouse.
        if (!widget_.isSliderDown() && widget_.value() != model_.Value()) {
            widget_.setValue(model_.Value());
        }
    }

  private:
    forms::Slider& model_;
    const ViewContext& context_;
    SliderWidget widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeSliderView(forms::Slider& slider, QWidget& parent,
                                            const ViewContext& context) {
    return std::make_unique<SliderView>(slider, parent, context);
}

}  // namespace qtui
