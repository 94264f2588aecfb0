#pragma once

#include <QSlider>

#include "common/qt/click_tracker.h"

namespace qtui {

// A slider (horizontal unless its model stands it upright) that reports a click when the mouse is
// released on it, after the slider has taken its new value.
class SliderWidget : public QSlider {
    Q_OBJECT

  public:
    explicit SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

    ClickTracker clicks;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qtui
