#include <QApplication>

#include "common/forms/controls.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/label_widget.h"
#include "common/qt/text_conversion.h"

namespace qtui {

namespace {

Qt::Alignment alignmentOf(forms::Alignment align) {
    switch (align) {
        case forms::Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case forms::Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case forms::Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

class LabelView : public ControlView {
  public:
    LabelView(forms::Label& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        forwardClicks(widget_.clicks, model_, context_);
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        // A CR on its own breaks the line, as CR LF does.
        const QString caption = toQStringLines(model_.Caption);
        if (widget_.text() != caption) {
            widget_.setText(caption);
        }
        if (widget_.wordWrap() != model_.WordWrap) {
            widget_.setWordWrap(model_.WordWrap);
        }
        // A button's caption stands in the middle of it, like a push button's; so does the text
        // of a box of its own colour, like a text box's.
        const bool middle = model_.ButtonLike || model_.Opaque;
        const Qt::Alignment align =
            alignmentOf(model_.TextAlign) | (middle ? Qt::AlignVCenter : Qt::AlignTop);
        if (widget_.alignment() != align) {
            widget_.setAlignment(align);
        }
        applyColours(widget_, model_.ForeColor, model_.Opaque ? &model_.BackColor : nullptr);
        widget_.setButtonLike(model_.ButtonLike);
        // A label that acts on a click is a button to the keyboard too.
        widget_.setClickable(model_.ButtonLike || static_cast<bool>(model_.onClick));
    }

  private:
    forms::Label& model_;
    const ViewContext& context_;
    LabelWidget widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeLabelView(forms::Label& label, QWidget& parent,
                                           const ViewContext& context) {
    return std::make_unique<LabelView>(label, parent, context);
}

}  // namespace qtui
