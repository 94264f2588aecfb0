#include "common/qt/click_tracker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "common/qt/key_codes.h"

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
    if (!secondPress_ && widget.rect().contains(event.position().toPoint())) {
        click();
    }
}

bool ClickTracker::keyPress(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Space) {
        spaceDown_ = spaceDown_ || !event.isAutoRepeat();
        return true;
    }
    if (isEnterKey(event.key())) {
        if (!event.isAutoRepeat()) {
            click();
        }
        return true;
    }
    return false;
}

bool ClickTracker::keyRelease(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Space) {
        return false;
    }
    if (spaceDown_ && !event.isAutoRepeat()) {
        spaceDown_ = false;
        click();
    }
    return true;
}

void ClickTracker::click() const {
    if (onClick) {
        onClick();
    }
}

}  // namespace qtui
