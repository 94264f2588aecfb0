#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "common/forms/controls.h"
#include "common/qt/click_tracker.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/focus_ring.h"
#include "common/qt/key_codes.h"
#include "common/qt/text_conversion.h"

namespace qtui {

namespace {

template <typename Button>
void syncCaption(Button& widget, const std::string& caption) {
    const QString text = toQCaption(caption);
    if (widget.text() != text) {
        widget.setText(text);
    }
}

// A push button that Return and Enter press as well as Space, in any window, not only in a
// dialog, and that shows its focus plainly.
class PushButtonWidget : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (isEnterKey(event->key()) && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    // The same ring as on a label button, once the user works the window from the keyboard.
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            QPainter painter(this);
            paintFocusRing(painter, *this);
        }
    }
};

class CommandButtonView : public ControlView {
  public:
    CommandButtonView(forms::CommandButton& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        QObject::connect(&widget_, &QPushButton::clicked, &widget_,
                         [this] { context_.forward([this] { model_.click(); }); });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        syncCaption(widget_, model_.Caption);
        applyColours(widget_, model_.ForeColor, nullptr);
    }

  private:
    forms::CommandButton& model_;
    const ViewContext& context_;
    PushButtonWidget widget_;
};

// A frame reports clicks on its own area, between the controls it holds.
class FrameWidget : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;
    ClickTracker clicks;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        QGroupBox::mousePressEvent(event);
        clicks.press(*event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { clicks.doubleClick(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QGroupBox::mouseReleaseEvent(event);
        clicks.release(*this, *event);
    }
};

class FrameView : public ControlView {
  public:
    FrameView(forms::Frame& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        forwardClicks(widget_.clicks, model_, context_);
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        const QString title = toQCaption(model_.Caption);
        if (widget_.title() != title) {
            widget_.setTitle(title);
        }
        applyColours(widget_, model_.ForeColor, &model_.BackColor);
    }

  private:
    forms::Frame& model_;
    const ViewContext& context_;
    FrameWidget widget_;
};

class CheckBoxView : public ControlView {
  public:
    CheckBoxView(forms::CheckBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        QObject::connect(&widget_, &QCheckBox::clicked, &widget_,
                         [this] { context_.forward([this] { model_.userClick(); }); });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        syncCaption(widget_, model_.Caption);
        applyColours(widget_, model_.ForeColor, &model_.BackColor);
        // The tick shows the model's value, whatever Qt made of the click.
        const bool ticked = model_.Value() != 0;
        if (widget_.isChecked() != ticked) {
            widget_.setChecked(ticked);
        }
    }

  private:
    forms::CheckBox& model_;
    const ViewContext& context_;
    QCheckBox widget_;
};

class OptionButtonView : public ControlView {
  public:
    OptionButtonView(forms::OptionButton& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        // The model clears the other options of the container; Qt must not do it its own way.
        widget_.setAutoExclusive(false);
        QObject::connect(&widget_, &QRadioButton::clicked, &widget_,
                         [this] { context_.forward([this] { model_.setValue(true); }); });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncCommon(widget_, model_, context_.scale, QApplication::font(&widget_));
        syncCaption(widget_, model_.Caption);
        applyColours(widget_, model_.ForeColor, &model_.BackColor);
        if (widget_.isChecked() != model_.Value()) {
            widget_.setChecked(model_.Value());
        }
    }

  private:
    forms::OptionButton& model_;
    const ViewContext& context_;
    QRadioButton widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeCommandButtonView(forms::CommandButton& button, QWidget& parent,
                                                   const ViewContext& context) {
    return std::make_unique<CommandButtonView>(button, parent, context);
}

std::unique_ptr<ControlView> makeFrameView(forms::Frame& frame, QWidget& parent,
                                           const ViewContext& context) {
    return std::make_unique<FrameView>(frame, parent, context);
}

std::unique_ptr<ControlView> makeCheckBoxView(forms::CheckBox& box, QWidget& parent,
                                              const ViewContext& context) {
    return std::make_unique<CheckBoxView>(box, parent, context);
}

std::unique_ptr<ControlView> makeOptionButtonView(forms::OptionButton& option, QWidget& parent,
                                                  const ViewContext& context) {
    return std::make_unique<OptionButtonView>(option, parent, context);
}

}  // namespace qtui
