#include "common/qt/design_pictures.h"

#include "common/qt/guide_pictures.h"
#include "common/qt/report_previews.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace qtui {

namespace {

// The largest centred square of the area, less a small margin.
QRectF iconSquare(const QRectF& area) {
    const double side = std::min(area.width(), area.height()) * 0.9;
    return {area.center().x() - side / 2, area.center().y() - side / 2, side, side};
}

void paintGlobe(QPainter& painter, const QRectF& area) {
    const QRectF globe = iconSquare(area);
    const double pen = std::max(1.0, globe.width() / 16);
    QRadialGradient sea(globe.center() - QPointF(globe.width() / 5, globe.height() / 5),
                        globe.width() * 0.7);
    sea.setColorAt(0, QColor(120, 180, 240));
    sea.setColorAt(1, QColor(20, 80, 170));
    painter.setPen(QPen(QColor(15, 55, 120), pen));
    painter.setBrush(sea);
    painter.drawEllipse(globe);
    // Meridians and parallels.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 240, 255), pen * 0.75));
    painter.drawEllipse(globe.adjusted(globe.width() * 0.3, 0, -globe.width() * 0.3, 0));
    painter.drawLine(QPointF(globe.center().x(), globe.top()),
                     QPointF(globe.center().x(), globe.bottom()));
    painter.drawLine(QPointF(globe.left(), globe.center().y()),
                     QPointF(globe.right(), globe.center().y()));
    const double h = globe.height() * 0.25;
    const double inset = globe.width() * 0.07;
    painter.drawLine(QPointF(globe.left() + inset, globe.center().y() - h),
                     QPointF(globe.right() - inset, globe.center().y() - h));
    painter.drawLine(QPointF(globe.left() + inset, globe.center().y() + h),
                     QPointF(globe.right() - inset, globe.center().y() + h));
}

void paintArrow(QPainter& painter, const QRectF& area, bool pointsRight, const QColor& ink) {
    const QRectF box = iconSquare(area);
    const double x0 = box.left();
    const double x1 = box.right();
    const double mid = box.center().y();
    const double shaft = box.height() * 0.16;
    const double headStart = box.left() + box.width() * 0.5;
    QPolygonF arrow{{x0, mid - shaft},
                    {headStart, mid - shaft},
                    {headStart, box.top() + box.height() * 0.15},
                    {x1, mid},
                    {headStart, box.bottom() - box.height() * 0.15},
                    {headStart, mid + shaft},
                    {x0, mid + shaft}};
    if (!pointsRight) {
        for (QPointF& point : arrow) {
            point.setX(x0 + x1 - point.x());
        }
    }
    painter.setPen(QPen(ink.darker(130), 1));
    painter.setBrush(ink);
    painter.drawPolygon(arrow);
}

void paintPanel(QPainter& painter, const QRectF& area, const QColor& paper) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, paper.lighter(110));
    gradient.setColorAt(1, paper.darker(110));
    painter.setPen(QPen(paper.darker(125), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

}  // namespace

bool paintDesignPicture(QPainter& painter, const QRectF& area, std::string_view name,
                        const QColor& ink, const QColor& paper) {
    if (paintGuidePicture(painter, area, name, ink, paper)) {
        return true;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    if (name == "design:link") {
        paintGlobe(painter, area);
    } else if (name == "design:next" || name == "design:right") {
        paintArrow(painter, area, true, ink);
    } else if (name == "design:left") {
        paintArrow(painter, area, false, ink);
    } else if (name == "design:panel") {
        paintPanel(painter, area, paper);
    } else {
        known = paintReportPreview(painter, area, name);
    }
    painter.restore();
    return known;
}

}  // namespace qtui
