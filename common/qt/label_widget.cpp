#include "common/qt/label_widget.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

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
    if (buttonLike_ && isEnabled() && (hovered_ || clicks.pressed())) {
        QPainter painter(this);
        const QColor face = palette().color(QPalette::Window);
        const QBrush fill(clicks.pressed() ? face.darker(108) : face.lighter(112));
        qDrawShadePanel(&painter, rect(), palette(), clicks.pressed(), 1, &fill);
    }
    QLabel::paintEvent(event);
}

}  // namespace qtui
