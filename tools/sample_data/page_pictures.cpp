#include "tools/sample_data/page_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace sample {

namespace {

// A ground of two colours with a fine diagonal weave, so the tiles join without a seam.
QImage woven(QColor ground, QColor thread) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setPen(QPen(thread, 1));
    for (int k = -64; k < 64; k += 8) {
        p.drawLine(k, 0, k + 64, 64);
    }
    return image;
}

}  // namespace

QImage drawBestThreeBackground() {
    return woven(QColor(18, 30, 74), QColor(28, 44, 100));
}

QImage drawAllMatchesBackground() {
    return woven(QColor(236, 241, 250), QColor(222, 230, 244));
}

QImage drawStars() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(QColor(20, 34, 96));
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 8.5 : 3.6;
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const QPointF point(10 + radius * std::cos(angle), 10.5 + radius * std::sin(angle));
        if (k == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 204, 0));
    p.drawPath(star);
    return image;
}

}  // namespace sample
