#include "common/qt/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qtui {

int TwipsScale::pixels(long long twips) const {
    return static_cast<int>(std::llround(static_cast<double>(twips) * dotsPerInch_ / 1440.0));
}

QRect TwipsScale::rect(int left, int top, int width, int height) const {
    const int x = pixels(left);
    const int y = pixels(top);
    return {x, y, pixels(static_cast<long long>(left) + width) - x,
            pixels(static_cast<long long>(top) + height) - y};
}

double screenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch()
                                                                 : 96.0;
}

}  // namespace qtui
