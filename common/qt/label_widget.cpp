#include "common/qt/label_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
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
    // Only the keyboard gives it the focus, as the mouse has no need of it.
    setFocusPolicy(buttonLike_ ? Qt::TabFocus : Qt::NoFocus);
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
    if (!buttonLike_ || event->isAutoRepeat()) {
        QLabel::keyPressEvent(event);
    } else if (event->key() == Qt::Key_Space) {
        spaceDown_ = true;
        update();
    } else if (isEnterKey(event->key())) {
        clicks.keyClick();
    } else {
        QLabel::keyPressEvent(event);
    }
}

void LabelWidget::keyReleaseEvent(QKeyEvent* event) {
    if (buttonLike_ && !event->isAutoRepeat() && event->key() == Qt::Key_Space && spaceDown_) {
        spaceDown_ = false;
        update();
        clicks.keyClick();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void LabelWidget::focusOutEvent(QFocusEvent* event) {
    spaceDown_ = false;
    QLabel::focusOutEvent(event);
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    // A label that serves as a button is drawn as one at all times, so the user sees what can be
    // clicked; hovering highlights it and pressing sinks it.
    if (buttonLike_) {
        QStylePainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        const bool sunken = clicks.pressed() || spaceDown_;
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!hovered_) {
            option.state &= ~QStyle::State_MouseOver;
        }
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        if (hasFocus()) {
            paintFocusRing(painter, *this);
        }
    }
    QLabel::paintEvent(event);
}

}  // namespace qtui
