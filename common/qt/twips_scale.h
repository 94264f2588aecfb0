#pragma once

#include <QPoint>
#include <QRect>

namespace qtui {

// Maps the models' twips (1440 to the inch) to pixels at the screen's logical resolution:
// 15 twips to the pixel at 96 dots per inch.
class TwipsScale {
  public:
    explicit TwipsScale(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    double dotsPerInch() const { return dotsPerInch_; }
    int pixels(long long twips) const;
    QPoint point(int x, int y) const { return {pixels(x), pixels(y)}; }
    // Both edges are mapped, so controls that meet in twips meet on the screen.
    // Any 32-bit values map without overflow.
    QRect rect(int left, int top, int width, int height) const;

  private:
    double dotsPerInch_;
};

// The primary screen's logical resolution; 96 without a screen.
double screenDotsPerInch();

}  // namespace qtui
