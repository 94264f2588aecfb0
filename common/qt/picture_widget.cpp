#include "common/qt/picture_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/qt/design_pictures.h"
#include "common/qt/focus_ring.h"
#include "common/qt/picture_cache.h"

namespace qtui {

PictureWidget::PictureWidget(QWidget* parent, PictureCache& cache)
    : QFrame(parent), cache_(cache) {}

void PictureWidget::setPicture(const std::string& picture, bool stretch) {
    if (picture == picture_ && stretch == stretch_) {
        return;
    }
    picture_ = picture;
    stretch_ = stretch;
    update();
}

void PictureWidget::setClickable(bool clickable) {
    if (clickable == clickable_) {
        return;
    }
    clickable_ = clickable;
    // Only the keyboard gives it the focus, as the mouse has no need of it.
    setFocusPolicy(clickable_ ? Qt::TabFocus : Qt::NoFocus);
    clicks.dropKey();
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    if (!clickable_ || !clicks.keyPress(*event)) {
        QFrame::keyPressEvent(event);
    }
}

void PictureWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!clickable_ || !clicks.keyRelease(*event)) {
        QFrame::keyReleaseEvent(event);
    }
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
    clicks.dropKey();
    QFrame::focusOutEvent(event);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    clicks.press(*event);
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    clicks.doubleClick(*event);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    clicks.release(*this, *event);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintPicture(painter);
    if (hasFocus()) {
        paintFocusRing(painter, *this);
    }
}

void PictureWidget::paintPicture(QPainter& painter) {
    if (picture_.empty()) {
        return;
    }
    const QRect area = contentsRect();
    if (picture_.starts_with("design:")) {
        paintDesignPicture(painter, area, picture_, palette().color(QPalette::WindowText),
                           palette().color(QPalette::Window));
        return;
    }
    // Decoded at the screen's own pixel density, so photos stay sharp on dense screens.
    const qreal ratio = devicePixelRatioF();
    QImage image = cache_.image(picture_, stretch_ ? area.size() * ratio : QSize());
    if (!image.isNull()) {
        if (stretch_) {
            image.setDevicePixelRatio(ratio);
        }
        painter.save();
        painter.setClipRect(area);
        painter.drawImage(area.topLeft(), image);
        painter.restore();
    }
}

}  // namespace qtui
