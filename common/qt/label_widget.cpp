#include "common/qt/label_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "common/qt/focus_ring.h"

namespace qtui {

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    // Captions are shown as they stand: a name with "<" in it is not markup.
    setTextFormat(Qt::PlainText);
}

void LabelWidget::setButtonLike(bool buttonLike) {
    if (buttonLike == buttonLike_) {
        return;
    }
    buttonLike_ = buttonLike;
    if (buttonLike_) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    update();
}

void LabelWidget::setClickable(bool clickable) {
    if (clickable == clickable_) {
        return;
    }
    clickable_ = clickable;
    // Only the keyboard gives it the focus, as the mouse has no need of it.
    setFocusPolicy(clickable_ ? Qt::TabFocus : Qt::NoFocus);
    clicks.dropKey();
    update();
}

void LabelWidget::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QLabel::enterEvent(event);
}

void LabelWidget::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QLabel::leaveEvent(event);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    clicks.press(*event);
    update();
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks.doubleClick(*event);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    clicks.release(*this, *event);
    update();
}

void LabelWidget::keyPressEvent(QKeyEvent* event) {
    if (clickable_ && clicks.keyPress(*event)) {
        update();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LabelWidget::keyReleaseEvent(QKeyEvent* event) {
    if (clickable_ && clicks.keyRelease(*event)) {
        update();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void LabelWidget::focusOutEvent(QFocusEvent* event) {
    clicks.dropKey();
    update();
    QLabel::focusOutEvent(event);
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    // A label that serves as a button is drawn as one at all times, so the user sees what can be
    // clicked; hovering highlights it and pressing sinks it.
    if (buttonLike_) {
        QStylePainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= clicks.pressed() ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!hovered_) {
            option.state &= ~QStyle::State_MouseOver;
        }
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusRing(painter, *this);
    }
}

}  // namespace qtui
