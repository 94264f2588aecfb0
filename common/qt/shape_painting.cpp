#include "common/qt/shape_painting.h"

#include <qdrawutil.h>
#include <QPainter>
#include <algorithm>

#include "common/qt/colours.h"
#include "common/qt/twips_scale.h"

namespace qtui {

Qt::BrushStyle brushStyleFor(int fillStyle) {
    switch (fillStyle) {
        case forms::kFillSolid:
            return Qt::SolidPattern;
        case forms::kFillHorizontal:
            return Qt::HorPattern;
        case forms::kFillVertical:
            return Qt::VerPattern;
        case forms::kFillUpwardDiagonal:
            return Qt::BDiagPattern;
        case forms::kFillDownwardDiagonal:
            return Qt::FDiagPattern;
        case forms::kFillCross:
            return Qt::CrossPattern;
        case forms::kFillDiagonalCross:
            return Qt::DiagCrossPattern;
        default:
            return Qt::NoBrush;
    }
}

Qt::PenStyle penStyleFor(forms::BorderStyle style) {
    switch (style) {
        case forms::BorderStyle::Transparent:
            return Qt::NoPen;
        case forms::BorderStyle::Solid:
            return Qt::SolidLine;
        case forms::BorderStyle::Dash:
            return Qt::DashLine;
        case forms::BorderStyle::Dot:
            return Qt::DotLine;
        case forms::BorderStyle::DashDot:
            return Qt::DashDotLine;
    }
    return Qt::SolidLine;
}

namespace {

// Qt's hatches repeat every 8 pixels.
int hatchOffset(int fillStyle) {
    switch (fillStyle) {
        case forms::kFillDiagonalCross:
        case forms::kFillCross:
            return 3;
        case forms::kFillDownwardDiagonal:
        case forms::kFillVertical:
            return 6;
        default:
            return 0;
    }
}

QPen borderPen(std::int32_t colour, int width, forms::BorderStyle style) {
    QPen pen(toQColor(colour), std::max(1, width), penStyleFor(style));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A well is a sunken frame round the fill. Without a fill it is an empty well, white with a slash
// across, as colour choosers show "no colour": no one takes it for a button or for a colour.
void paintWell(QPainter& painter, const forms::Shape& shape, const TwipsScale& scale,
               const QPalette& palette) {
    constexpr int kFrame = 2;
    const QRect box = scale.rect(shape.Left, shape.Top, shape.Width, shape.Height);
    const QRect inside = box.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    painter.save();
    const Qt::BrushStyle fill = brushStyleFor(shape.FillStyle);
    if (fill == Qt::NoBrush) {
        painter.fillRect(inside, palette.color(QPalette::Base));
        painter.setPen(QPen(palette.color(QPalette::Dark), 1));
        painter.drawLine(inside.bottomLeft(), inside.topRight());
    } else {
        painter.fillRect(inside, QBrush(toQColor(shape.FillColor), fill));
    }
    qDrawWinPanel(&painter, box, palette, true);
    painter.restore();
}

}  // namespace

void paintShape(QPainter& painter, const forms::Shape& shape, const TwipsScale& scale,
                const QPalette& palette) {
    if (shape.Well) {
        paintWell(painter, shape, scale, palette);
        return;
    }
    // An empty shape draws nothing, and one lying wholly off the surface is not drawn at all.
    if (shape.Width <= 0 || shape.Height <= 0) {
        return;
    }
    QRectF box = scale.rect(shape.Left, shape.Top, shape.Width, shape.Height);
    if (!box.intersects(QRectF(painter.window()))) {
        return;
    }
    const bool square = shape.Kind == forms::ShapeKind::Square ||
                        shape.Kind == forms::ShapeKind::Circle ||
                        shape.Kind == forms::ShapeKind::RoundedSquare;
    if (square) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    const QPen pen = borderPen(shape.BorderColor, shape.BorderWidth, shape.Style);
    // The border lies inside the shape's bounds.
    const double inset = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
    box.adjust(inset, inset, -inset, -inset);

    painter.save();
    painter.setPen(pen);
    painter.setBrush(QBrush(toQColor(shape.FillColor), brushStyleFor(shape.FillStyle)));
    // Hatches of different styles that share a direction are set apart, so shapes laid over one
    // another keep each its own colour.
    painter.setBrushOrigin(hatchOffset(shape.FillStyle), 0);
    const double corner = std::min(box.width(), box.height()) / 6;
    switch (shape.Kind) {
        case forms::ShapeKind::Oval:
        case forms::ShapeKind::Circle:
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawEllipse(box);
            break;
        case forms::ShapeKind::RoundedRectangle:
        case forms::ShapeKind::RoundedSquare:
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawRoundedRect(box, corner, corner);
            break;
        case forms::ShapeKind::Rectangle:
        case forms::ShapeKind::Square:
            painter.drawRect(box);
            break;
    }
    painter.restore();
}

void paintLine(QPainter& painter, const forms::Line& line, const TwipsScale& scale) {
    // A line of no length draws nothing, not even a dot.
    if (line.X1 == line.X2 && line.Y1 == line.Y2) {
        return;
    }
    painter.save();
    painter.setPen(borderPen(line.BorderColor, line.BorderWidth, line.Style));
    painter.drawLine(scale.point(line.X1, line.Y1), scale.point(line.X2, line.Y2));
    painter.restore();
}

}  // namespace qtui
