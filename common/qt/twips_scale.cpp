#include "common/qt/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qtui {

int TwipsScale::pixels(int twips) const {
    return static_cast<int>(std::lround(twips * dotsPerInch_ / 1440.0));
}

QRect TwipsScale::rect(int left, int top, int width, int height) const {
    const int x = pixels(left);
    const int y = pixels(top);
    return {x, y, pixels(left + width) - x, pixels(top + height) - y};
}

double screenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch()
                                                                 : 96.0;
}

}  // namespace qtui
