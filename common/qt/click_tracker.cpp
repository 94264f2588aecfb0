#include "common/qt/click_tracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace qtui {

void ClickTracker::press(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) {
        pressed_ = true;
        secondPress_ = false;
    }
}

void ClickTracker::doubleClick(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    pressed_ = true;
    secondPress_ = true;
    if (onDblClick) {
        onDblClick();
    }
}

void ClickTracker::release(const QWidget& widget, const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    if (!secondPress_ && widget.rect().contains(event.position().toPoint()) && onClick) {
        onClick();
    }
}

void ClickTracker::keyClick() const {
    if (onClick) {
        onClick();
    }
}

}  // namespace qtui
