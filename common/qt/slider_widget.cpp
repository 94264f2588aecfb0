#include "common/qt/slider_widget.h"

#include <QMouseEvent>

namespace qtui {

void SliderWidget::mousePressEvent(QMouseEvent* event) {
    QSlider::mousePressEvent(event);
    clicks.press(*event);
}

void SliderWidget::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    clicks.release(*this, *event);
}

}  // namespace qtui
