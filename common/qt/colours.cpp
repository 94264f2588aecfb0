#include "common/qt/colours.h"

#include <QWidget>

namespace qtui {

QColor toQColor(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

void setRoleColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

void applyColours(QWidget& widget, std::int32_t fore, const std::int32_t* back,
                  QPalette::ColorRole backRole) {
    QPalette palette = widget.palette();
    const QColor text = toQColor(fore);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        setRoleColour(palette, role, text);
    }
    if (back != nullptr) {
        setRoleColour(palette, backRole, toQColor(*back));
    }
    if (!(palette == widget.palette())) {
        widget.setPalette(palette);
    }
    const bool fills = back != nullptr && backRole == QPalette::Window;
    if (widget.autoFillBackground() != fills) {
        widget.setAutoFillBackground(fills);
    }
}

}  // namespace qtui
