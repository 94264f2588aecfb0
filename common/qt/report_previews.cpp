#include "common/qt/report_previews.h"

#include <QColor>
#include <QPainter>
#include <array>
#include <vector>

namespace qtui {

namespace {

// What a column of a preview row holds.
enum class Cell { Face, Profile, Text, Scores, Stars, Percent, Swatches };

struct Column {
    double width;  // share of the row
    Cell cell;
    QColor fill;  // transparent: the page shows through
    QColor ink;
};

struct PageLook {
    QColor ground;
    QColor thread;  // a woven ground; the ground colour again for a plain one
    QColor border;
    int rows;
    std::vector<Column> columns;
};

const QColor kNone(0, 0, 0, 0);

void paintFace(QPainter& p, const QRectF& cell, int row, bool profile) {
    p.save();
    p.setClipRect(cell);
    const std::array<QColor, 4> skins = {QColor(224, 172, 130), QColor(170, 112, 72),
                                         QColor(238, 200, 170), QColor(120, 80, 52)};
    p.fillRect(cell, QColor(190, 222, 200));
    const QColor skin = skins[static_cast<std::size_t>(row) % skins.size()];
    const double r = cell.height() * 0.32;
    const QPointF centre = cell.center() + QPointF(profile ? -r * 0.2 : 0, -r * 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(centre + QPointF(0, -r * 0.25), r * 1.05, r * 0.95);
    p.setBrush(skin);
    p.drawEllipse(centre, r * 0.85, r);
    if (profile) {
        p.drawEllipse(centre + QPointF(r * 0.8, r * 0.05), r * 0.25, r * 0.2);
    }
    const double neck = centre.y() + r * 0.8;
    p.drawRect(QRectF(centre.x() - r * 0.3, neck, r * 0.6, cell.bottom() - neck));
    p.restore();
}

void paintLines(QPainter& p, const QRectF& cell, const QColor& ink, int lines, double length) {
    const double gap = cell.height() / (lines + 1);
    p.setPen(QPen(ink, std::max(1.0, gap * 0.25)));
    for (int i = 1; i <= lines; ++i) {
        const double share = i == 1 ? length : length * 0.75;
        const double half = cell.width() * share / 2;
        const double y = cell.top() + gap * i;
        p.drawLine(QPointF(cell.center().x() - half, y), QPointF(cell.center().x() + half, y));
    }
}

void paintCell(QPainter& p, const QRectF& cell, const Column& column, int row) {
    if (column.fill.alpha() != 0) {
        p.fillRect(cell, column.fill);
    }
    const QRectF inner = cell.adjusted(2, 2, -2, -2);
    switch (column.cell) {
        case Cell::Face:
        case Cell::Profile:
            paintFace(p,
                      QRectF(inner.left(), inner.top(), std::min(inner.width(), inner.height()),
                             inner.height()),
                      row, column.cell == Cell::Profile);
            break;
        case Cell::Text:
            paintLines(p, inner, column.ink, 2, 0.6);
            break;
        case Cell::Scores:
            paintLines(p, inner, column.ink, 3, 0.7);
            break;
        case Cell::Stars: {
            const double bar = inner.width() * (0.85 - 0.12 * row);
            p.fillRect(QRectF(inner.center().x() - bar / 2, inner.top() + inner.height() * 0.2, bar,
                              inner.height() * 0.22),
                       QColor(255, 204, 0));
            paintLines(p, inner.adjusted(0, inner.height() * 0.45, 0, 0), column.ink, 1, 0.4);
            break;
        }
        case Cell::Percent:
            paintLines(p, inner, column.ink, 1, 0.45);
            break;
        case Cell::Swatches: {
            const std::array<QColor, 3> colours = {QColor(90, 60, 30), QColor(60, 110, 160),
                                                   QColor(220, 170, 130)};
            const double side = std::min(inner.height() / 4, inner.width() / 2);
            for (int i = 0; i < 3; ++i) {
                p.fillRect(QRectF(inner.center().x() - side / 2,
                                  inner.top() + (inner.height() / 3) * i + side * 0.2, side, side),
                           colours[static_cast<std::size_t>(i)]);
            }
            break;
        }
    }
}

void paintPage(QPainter& p, const QRectF& area, const PageLook& look) {
    p.fillRect(area, look.ground);
    if (look.thread != look.ground) {
        p.save();
        p.setClipRect(area);
        p.setPen(QPen(look.thread, 1));
        for (double x = area.left() - area.height(); x < area.right(); x += 6) {
            p.drawLine(QPointF(x, area.top()), QPointF(x + area.height(), area.bottom()));
        }
        p.restore();
    }
    const QRectF table = area.adjusted(area.width() * 0.04, area.height() * 0.05,
                                       -area.width() * 0.04, -area.height() * 0.12);
    const double rowHeight = table.height() / look.rows;
    for (int row = 0; row < look.rows; ++row) {
        double x = table.left();
        for (const Column& column : look.columns) {
            const QRectF cell(x, table.top() + rowHeight * row, table.width() * column.width,
                              rowHeight);
            paintCell(p, cell, column, row);
            p.setPen(QPen(look.border, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell);
            x += cell.width();
        }
    }
    // The footer line under the table.
    paintLines(p, QRectF(area.left(), table.bottom(), area.width(), area.bottom() - table.bottom()),
               look.border, 1, 0.35);
}

PageLook lookOf(int style) {
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    switch (style) {
        case 1:
            return {QColor(18, 30, 74),
                    QColor(28, 44, 100),
                    QColor(0, 0, 102),
                    3,
                    {{0.16, Cell::Face, kNone, white},
                     {0.5, Cell::Text, kNone, white},
                     {0.16, Cell::Scores, QColor(238, 238, 238), black},
                     {0.18, Cell::Stars, white, black}}};
        case 2:
            return {QColor(236, 241, 250),
                    QColor(222, 230, 244),
                    QColor(90, 90, 90),
                    5,
                    {{0.14, Cell::Face, kNone, black},
                     {0.7, Cell::Text, kNone, black},
                     {0.16, Cell::Percent, kNone, black}}};
        case 3:
            return {white,
                    white,
                    QColor(0, 0, 102),
                    3,
                    {{0.2, Cell::Face, kNone, black},
                     {0.6, Cell::Text, QColor(255, 153, 255), black},
                     {0.2, Cell::Percent, QColor(204, 204, 255), black}}};
        case 4:
            return {QColor(51, 204, 255),
                    QColor(51, 204, 255),
                    QColor(0, 0, 102),
                    4,
                    {{0.2, Cell::Face, kNone, black},
                     {0.6, Cell::Text, QColor(255, 204, 51), black},
                     {0.2, Cell::Percent, QColor(255, 255, 153), black}}};
        case 5:
            return {QColor(0, 0, 153),
                    QColor(0, 0, 153),
                    black,
                    3,
                    {{0.18, Cell::Face, QColor(0, 204, 255), black},
                     {0.4, Cell::Text, QColor(0, 204, 255), black},
                     {0.22, Cell::Swatches, QColor(255, 204, 255), black},
                     {0.2, Cell::Percent, white, black}}};
        case 6:
            return {QColor(153, 0, 153),
                    QColor(153, 0, 153),
                    QColor(60, 0, 60),
                    4,
                    {{0.18, Cell::Profile, kNone, white},
                     {0.54, Cell::Text, kNone, white},
                     {0.14, Cell::Scores, QColor(238, 238, 238), black},
                     {0.14, Cell::Percent, white, black}}};
        default:
            return {};
    }
}

}  // namespace

bool paintReportPreview(QPainter& painter, const QRectF& area, std::string_view name) {
    constexpr std::string_view kPrefix = "design:report";
    if (!name.starts_with(kPrefix) || name.size() != kPrefix.size() + 1) {
        return false;
    }
    const int style = name.back() - '0';
    if (style < 1 || style > 6) {
        return false;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintPage(painter, area, lookOf(style));
    painter.restore();
    return true;
}

}  // namespace qtui
