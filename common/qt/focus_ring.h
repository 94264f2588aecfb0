#pragma once

class QPainter;
class QWidget;

namespace qtui {

// Draws the ring that shows which button has the keyboard focus: a line of the highlight colour
// just inside the button's edge, plain to see on any button colour.
void paintFocusRing(QPainter& painter, const QWidget& button);

}  // namespace qtui
