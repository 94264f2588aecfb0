#include <gtest/gtest.h>

#include <limits>

#include "analysis/plotter/plot_figures.h"

namespace {

using analysis::FigureText;
using analysis::HundredTimesOver;
using analysis::PercentOf;
using analysis::ToTwips;

TEST(PlotFigures, TwipsAreSinglePrecisionThenNearestTiesToEven) {
    EXPECT_EQ(ToTwips(2.5), 2);
    EXPECT_EQ(ToTwips(3.5), 4);
    EXPECT_EQ(ToTwips(-2.5), -2);
    EXPECT_EQ(ToTwips(4003.6), 4004);
    // Single precision first: 1000.49999999 is 1000.5 as a single, and the tie goes to even.
    EXPECT_EQ(ToTwips(1000.49999999), 1000);
    EXPECT_EQ(ToTwips(1001.49999999), 1002);
    // Beyond 32 bits the value stops at the limits; no overflow is raised.
    EXPECT_EQ(ToTwips(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(ToTwips(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(ToTwips(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PlotFigures, PercentagesAreRoundedSingles) {
    // 14.375 exactly: the tie goes to the even 14.38.
    EXPECT_EQ(PercentOf(138, 960), 14.38F);
    EXPECT_EQ(HundredTimesOver(138, 960), 14.38F);
    EXPECT_EQ(FigureText(PercentOf(138, 960)), " 14.38");
    // Printed in single-precision form, never 116.669998.
    EXPECT_EQ(FigureText(HundredTimesOver(2520, 2160)), " 116.67");
    EXPECT_EQ(FigureText(HundredTimesOver(3096, 3096)), " 100");
    EXPECT_EQ(FigureText(PercentOf(-1, 3)), "-33.33");
    // An average size of 0 gives 0, whatever the face's own size.
    EXPECT_EQ(PercentOf(50, 0), 0.0F);
    EXPECT_EQ(HundredTimesOver(0, 0), 0.0F);
    EXPECT_EQ(FigureText(HundredTimesOver(3240, 0)), " 0");
    // A quotient too large for single precision is no number to show: 0.
    EXPECT_EQ(PercentOf(1e300, 1e-300), 0.0F);
}

}  // namespace
