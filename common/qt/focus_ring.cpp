#include "common/qt/focus_ring.h"

#include <QPainter>
#include <QWidget>

namespace qtui {

void paintFocusRing(QPainter& painter, const QWidget& button) {
    constexpr int kInset = 3;
    constexpr int kWidth = 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(button.palette().color(QPalette::Highlight), kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(button.rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
    painter.restore();
}

}  // namespace qtui
