#pragma once

#include <QColor>
#include <QRectF>
#include <string_view>

class QPainter;

namespace qtui {

// The transcription wizard's guide pictures, "design:guide-1" to "design:guide-30": a face
// outline with the step's landmark (steps 1 to 20) or the line whose slope is read (steps 21 to
// 30) marked in the ink colour. Returns false for any other name.
bool paintGuidePicture(QPainter& painter, const QRectF& area, std::string_view name,
                       const QColor& ink, const QColor& paper);

}  // namespace qtui
