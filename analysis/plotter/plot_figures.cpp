#include "analysis/plotter/plot_figures.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "analysis/mainwindow/ui_words.h"
#include "common/text/convert.h"

namespace analysis {

int ToTwips(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double single = static_cast<double>(static_cast<float>(value));
    // nearbyint rounds ties to even in the default rounding mode.
    const double whole = std::nearbyint(single);
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (!(whole > kLowest)) {
        return std::numeric_limits<int>::min();
    }
    if (!(whole < kHighest)) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(whole);
}

void SetShapeBounds(forms::Shape& shape, double left, double top, double width, double height) {
    shape.Left = ToTwips(left);
    shape.Top = ToTwips(top);
    shape.Width = ToTwips(std::fabs(width));
    shape.Height = ToTwips(std::fabs(height));
}

void SetLineEnds(forms::Line& line, double x1, double y1, double x2, double y2) {
    line.X1 = ToTwips(x1);
    line.Y1 = ToTwips(y1);
    line.X2 = ToTwips(x2);
    line.Y2 = ToTwips(y2);
}

float RoundedPercent(double percent) {
    const float single = static_cast<float>(percent);
    if (!std::isfinite(single)) {
        return 0;
    }
    return static_cast<float>(common::Round(static_cast<double>(single), 2));
}

float PercentOf(double a, double b) {
    return b == 0 ? 0.0F : RoundedPercent(a / b * 100);
}

float HundredTimesOver(double a, double b) {
    return b == 0 ? 0.0F : RoundedPercent(100 * a / b);
}

std::string FigureText(float value) {
    return common::StrSingle(static_cast<double>(value));
}

std::string HeightText(std::int16_t centimetres, bool imperial, const UiWords& words) {
    if (centimetres <= 0) {
        return words.UnknownWord;
    }
    if (imperial) {
        const double inchesInAll = centimetres / 2.54;
        const double feet = common::Int(inchesInAll / 12);
        // Rounded inches may reach 12; they are not carried into the feet.
        const double inches = common::Round(inchesInAll - 12 * feet);
        return common::Str(feet) + words.FeetWord + " " + common::Str(inches) + words.InchesWord;
    }
    return common::Str(centimetres) + "cm";
}

}  // namespace analysis
