#include "common/qt/label_widget.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
}

}  // namespace qtui
