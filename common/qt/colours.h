#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace qtui {

// A model colour, red + 256 x green + 65536 x blue.
QColor toQColor(std::int32_t colour);

// Sets a colour role for the active and inactive states only, so a disabled control keeps the
// style's greyed look.
void setRoleColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour);

// Text colour of a widget, and optionally its background in the given role; a Window background
// is filled by the widget itself. The palette is only replaced when it changes.
void applyColours(QWidget& widget, std::int32_t fore, const std::int32_t* back,
                  QPalette::ColorRole backRole = QPalette::Window);

}  // namespace qtui
