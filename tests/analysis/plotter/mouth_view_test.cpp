#include <gtest/gtest.h>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

using MouthView = ViewFixture;

TEST_F(MouthView, ATrioWorkedByHand) {
    loadTrio();
    plotter.mouthViewButton.click();

    EXPECT_EQ(state.ViewMode, 3);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{4600, 500, 4600, 4500}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(plotter.NoseLabel.Visible);
    EXPECT_FALSE(plotter.TopLabel.Visible);

    // Corner to peak, corner to bottom, peak to peak, peak to corner, corner to bottom, with the
    // brow top at -2000 and 7 twips a unit.
    const Ends red[] = {{3760, 3390, 4320, 3110},
                        {3760, 3390, 4600, 3950},
                        {4320, 3110, 4880, 3110},
                        {4880, 3110, 5440, 3390},
                        {5440, 3390, 4600, 3950}};
    const Ends blue[] = {{3865, 3425, 4355, 3180},
                         {3865, 3425, 4600, 3950},
                         {4355, 3180, 4845, 3180},
                         {4845, 3180, 5335, 3425},
                         {5335, 3425, 4600, 3950}};
    const Ends green[] = {{3795, 3390, 4320, 3145},
                          {3795, 3390, 4600, 3950},
                          {4320, 3145, 4880, 3145},
                          {4880, 3145, 5405, 3390},
                          {5405, 3390, 4600, 3950}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(endsOf(plotter.RedLine(i)), red[i]) << i;
        EXPECT_EQ(endsOf(plotter.BlueLine(i)), blue[i]) << i;
        EXPECT_EQ(endsOf(plotter.GreenLine(i)), green[i]) << i;
    }
    // Lines 5 to 10 carry nothing but follow their check boxes like the others.
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(plotter.RedLine(i).Visible) << i;
        EXPECT_TRUE(plotter.BlueLine(i).Visible) << i;
        EXPECT_FALSE(plotter.GreenLine(i).Visible) << i;
        if (i >= 5) {
            EXPECT_EQ(endsOf(plotter.RedLine(i)), (Ends{0, 0, 0, 0})) << i;
        }
    }
    for (forms::Shape* shape : featureShapes()) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }

    // Widths 1680, 1470 against 1610; heights 840, 770 against 805.
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Mouth\r\nWidth =  104.35%\r\nHeight =  104.35%\r\n\r\n"
              "FACE B : Mouth\r\nWidth =  91.3%\r\nHeight =  95.65%\r\n\r\n");
}

TEST_F(MouthView, EmptySlotTwoCollapsesAboveTheCanvas) {
    loadTrio();
    emptySlotTwo();
    program.Face1.FaceHeight = 170;
    plotter.mouthViewButton_Click();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(endsOf(plotter.BlueLine(i)), (Ends{4600, -2000, 4600, -2000})) << i;
    }
    // No heights in this view.
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\nFACE A : Mouth\r\nWidth =  104.35%\r\n"
              "Height =  104.35%\r\n\r\n");
}

TEST_F(MouthView, AfterTheProfileView) {
    loadTrio();
    setProfilePoint(program.Face1.Coords, 5, 10, 1100);
    plotter.CheckBoxB.userClick();
    plotter.ProfileButton_Click();
    plotter.mouthViewButton_Click();
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{4600, 500, 4600, 4500}));
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(plotter.RedLine(i).Visible) << i;
        EXPECT_FALSE(plotter.BlueLine(i).Visible) << i;
    }
    EXPECT_EQ(endsOf(plotter.RedLine(10)), (Ends{0, 0, 0, 0}));
    EXPECT_EQ(endsOf(plotter.RedLine(4)), (Ends{5440, 3390, 4600, 3950}));
}

TEST_F(MouthView, ZeroAndInvertedMouths) {
    loadTrio();
    // B's corner on its nose tip and its bottom above its peak: negative sizes give negative
    // figures, never an error.
    setPoint(program.Face2, 15, 610, 395);
    setPoint(program.Face2, 16, 620, 450);
    plotter.mouthViewButton_Click();
    EXPECT_EQ(endsOf(plotter.BlueLine(1)), (Ends{4600, 3425, 4600, 3040}));
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Mouth\r\nWidth =  104.35%\r\nHeight =  104.35%\r\n\r\n"
              "FACE B : Mouth\r\nWidth =  0%\r\nHeight = -17.39%\r\n\r\n");

    // No statistics: the average mouth has no size, and every figure is 0.
    program.Statistics = analysis::FaceStatistics{};
    plotter.mouthViewButton_Click();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(endsOf(plotter.GreenLine(i)), (Ends{4600, -2000, 4600, -2000})) << i;
    }
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Mouth\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n"
              "FACE B : Mouth\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n");
}

}  // namespace
