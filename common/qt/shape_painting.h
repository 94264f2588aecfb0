#pragma once

#include <QPalette>
#include <Qt>

#include "common/forms/controls.h"

class QPainter;

namespace qtui {

class TwipsScale;

// The brush pattern of a fill style code: 0 solid, 1 none, 2..7 the hatches in the order
// horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross. Codes outside
// 0..7 fill nothing.
Qt::BrushStyle brushStyleFor(int fillStyle);
Qt::PenStyle penStyleFor(forms::BorderStyle style);

// Paint a shape or line in its container's coordinates. A colour well takes the shades of its
// sunken frame from the palette.
void paintShape(QPainter& painter, const forms::Shape& shape, const TwipsScale& scale,
                const QPalette& palette = QPalette());
void paintLine(QPainter& painter, const forms::Line& line, const TwipsScale& scale);

}  // namespace qtui
