#include "common/qt/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>

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

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && onEscape &&
        onEscape()) {
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace qtui
