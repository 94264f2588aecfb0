#include "common/qt/window_widget.h"

#include <QCloseEvent>

namespace qtui {

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (onClose) {
        onClose(*event);
    } else {
        QWidget::closeEvent(event);
    }
}

bool WindowWidget::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && onActivate) {
        onActivate();
    }
    return handled;
}

}  // namespace qtui
