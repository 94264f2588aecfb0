#include <QApplication>

#include "common/forms/controls.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/picture_widget.h"

namespace qtui {

namespace {

class PictureView : public ControlView {
  public:
    PictureView(forms::PictureControl& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent, context.pictures) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        forwardClicks(widget_.clicks, model_, context_);
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        const int frame = model_.Border
                              ? static_cast<int>(QFrame::Box) | static_cast<int>(QFrame::Plain)
                              : static_cast<int>(QFrame::NoFrame);
        if (widget_.frameStyle() != frame) {
            widget_.setFrameStyle(frame);
        }
        // A picture box paints its background; an image shows what lies beneath it.
        const bool opaque = model_.kind() == forms::ControlKind::PictureBox;
        applyColours(widget_, model_.ForeColor, opaque ? &model_.BackColor : nullptr);
        widget_.setPicture(model_.Picture(), model_.Stretch);
        // A picture that acts on a click is a button to the keyboard too.
        widget_.setClickable(static_cast<bool>(model_.onClick));
    }

  private:
    forms::PictureControl& model_;
    const ViewContext& context_;
    PictureWidget widget_;
};

}  // namespace

std::unique_ptr<ControlView> makePictureView(forms::PictureControl& picture, QWidget& parent,
                                             const ViewContext& context) {
    return std::make_unique<PictureView>(picture, parent, context);
}

}  // namespace qtui
