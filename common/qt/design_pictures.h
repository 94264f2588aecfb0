#pragma once

#include <QColor>
#include <QRectF>
#include <string_view>

class QPainter;

namespace qtui {

// Paints one of the pictures the programs draw themselves, named "design:<name>": "link" a globe,
// "next" and "right" arrows pointing right, "left" an arrow pointing left, "panel" a gradient
// panel, "report1" to "report6" likenesses of the six report pages, "guide-1" to "guide-30" the
// transcription wizard's guide pictures (guide_pictures.h). Ink is the control's foreground
// colour, paper its background. An unknown name paints nothing and returns false.
bool paintDesignPicture(QPainter& painter, const QRectF& area, std::string_view name,
                        const QColor& ink, const QColor& paper);

}  // namespace qtui
