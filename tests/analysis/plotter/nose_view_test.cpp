#include <gtest/gtest.h>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

using NoseView = ViewFixture;

TEST_F(NoseView, ATrioWorkedByHand) {
    loadTrio();
    plotter.CheckBoxC.userClick();
    plotter.noseViewButton.click();

    EXPECT_EQ(state.ViewMode, 2);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{4600, 500, 4600, 4500}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(plotter.NoseLabel.Visible);
    // Top 600 plus the pupil's height unscaled, from nostril edge to mirrored nostril edge, from
    // the pupil down to the nose tip.
    EXPECT_EQ(boundsOf(plotter.NoseArea1), (Bounds{4110, 1600, 980, 2100}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1b), (Bounds{4180, 1590, 840, 1890}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1g), (Bounds{4145, 1595, 910, 1995}));
    for (forms::Shape* nose : {&plotter.NoseArea1, &plotter.NoseArea1b, &plotter.NoseArea1g}) {
        EXPECT_TRUE(nose->Visible) << nose->key();
        EXPECT_EQ(nose->Left + nose->Width / 2, 4600) << nose->key();
    }
    for (forms::Shape* shape : {&plotter.EyeArea1, &plotter.EyeArea2b, &plotter.EyeArea1g,
                                &plotter.MouthArea1, &plotter.MouthArea1b, &plotter.MouthArea1g}) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }
    for (forms::Line* line : faceLines()) {
        EXPECT_EQ(endsOf(*line), (Ends{0, 0, 0, 0})) << line->key();
    }
    // Face B's heading has no blank before its colon.
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Nose\r\nWidth =  107.69%\r\nHeight =  105.26%\r\n\r\n"
              "FACE B: Nose\r\nWidth =  92.31%\r\nHeight =  94.74%\r\n\r\n");
}

TEST_F(NoseView, EmptySlotTwoAndUntickedFaces) {
    loadTrio();
    emptySlotTwo();
    plotter.CheckBoxA.userClick();
    plotter.noseViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.NoseArea1b), (Bounds{4600, 600, 0, 0}));
    // The nose boxes follow their check boxes: A unticked, C not ticked at first.
    EXPECT_FALSE(plotter.NoseArea1.Visible);
    EXPECT_TRUE(plotter.NoseArea1b.Visible);
    EXPECT_FALSE(plotter.NoseArea1g.Visible);
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\nFACE A : Nose\r\nWidth =  107.69%\r\nHeight =  105.26%\r\n\r\n");
}

TEST_F(NoseView, AfterTheEyesViewItsLinesStayShownButCollapsed) {
    loadTrio();
    plotter.eyesViewButton_Click();
    plotter.noseViewButton_Click();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(endsOf(plotter.RedLine(i)), (Ends{0, 0, 0, 0})) << i;
        EXPECT_EQ(plotter.RedLine(i).Visible, i < 8) << i;
        EXPECT_EQ(plotter.BlueLine(i).Visible, i < 8) << i;
        EXPECT_FALSE(plotter.GreenLine(i).Visible) << i;
    }
    // The eyes view hid the nose boxes; this view shows them again with their check boxes.
    EXPECT_TRUE(plotter.NoseArea1.Visible);
    EXPECT_EQ(boundsOf(plotter.EyeArea1), (Bounds{9999, 9999, 0, 0}));
}

TEST_F(NoseView, ZeroAndNegativeNostrilWidths) {
    loadTrio();
    // A's nostril edge on its nose tip: a box of no width on the centre line, figure 0. B's edge
    // right of its tip: the magnitude, the left as computed.
    setPoint(program.Face1, 19, 600, 690);
    setPoint(program.Face2, 19, 650, 700);
    // B's nose equal to the average face's in height.
    setPoint(program.Face2, 6, 480, 995);
    setPoint(program.Face2, 4, 610, 710);
    plotter.noseViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.NoseArea1), (Bounds{4600, 1600, 0, 2100}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1b), (Bounds{4880, 1595, 560, 1995}));
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Nose\r\nWidth =  0%\r\nHeight =  105.26%\r\n\r\n"
              "FACE B: Nose\r\nWidth =  61.54%\r\nHeight =  100%\r\n\r\n");

    // An average nose of no size: every figure is 0.
    setAveragePoint(19, 605, 705);
    setAveragePoint(6, 475, 710);
    plotter.noseViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.NoseArea1g), (Bounds{4600, 1310, 0, 0}));
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Nose\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n"
              "FACE B: Nose\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n");
}

}  // namespace
