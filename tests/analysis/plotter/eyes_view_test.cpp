#include <gtest/gtest.h>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

using EyesView = ViewFixture;

TEST_F(EyesView, ATrioWorkedByHand) {
    loadTrio();
    plotter.BlankPanel.Visible = true;
    plotter.eyesViewButton.click();

    EXPECT_EQ(state.ViewMode, 1);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{4600, 500, 4600, 4500}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(plotter.NoseLabel.Visible);
    EXPECT_FALSE(plotter.TopLabel.Visible);
    EXPECT_FALSE(plotter.BottomLabel.Visible);
    EXPECT_FALSE(plotter.EyeLevelLabel.Visible);

    // Top: brow top 1000 plus the upper lid's height unscaled; left 4600 - 6 (x4 - x8); the right
    // box starts at 4600 + 6 (x4 - x7) with the left box's size.
    EXPECT_EQ(boundsOf(plotter.EyeArea1), (Bounds{3520, 2040, 720, 480}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2), (Bounds{4960, 2040, 720, 480}));
    EXPECT_EQ(boundsOf(plotter.EyeArea1b), (Bounds{3580, 2030, 660, 540}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2b), (Bounds{4960, 2030, 660, 540}));
    EXPECT_EQ(boundsOf(plotter.EyeArea1g), (Bounds{3520, 2035, 780, 540}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2g), (Bounds{4900, 2035, 780, 540}));
    for (forms::Shape* shape : {&plotter.NoseArea1, &plotter.NoseArea1b, &plotter.NoseArea1g,
                                &plotter.MouthArea1, &plotter.MouthArea1b, &plotter.MouthArea1g}) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }
    EXPECT_FALSE(plotter.NoseArea1.Visible);
    EXPECT_FALSE(plotter.NoseArea1b.Visible);
    EXPECT_FALSE(plotter.NoseArea1g.Visible);
    // The eye boxes keep what the check boxes set: C is not ticked when the window opens.
    EXPECT_TRUE(plotter.EyeArea1.Visible);
    EXPECT_TRUE(plotter.EyeArea2b.Visible);
    EXPECT_FALSE(plotter.EyeArea1g.Visible);
    for (forms::Shape* outline : {&plotter.Perimeter1, &plotter.Perimeter2, &plotter.Perimeter3}) {
        EXPECT_EQ(boundsOf(*outline), (Bounds{0, 0, 0, 0})) << outline->key();
    }

    // Inner point, top, outer point, below the top, back: as measured on lines 0 to 3, mirrored
    // about 4600 on lines 4 to 7.
    const Ends red[] = {{4360, 1300, 4000, 1000}, {4000, 1000, 3280, 1420},
                        {3280, 1420, 4000, 1180}, {4000, 1180, 4360, 1300},
                        {4840, 1300, 5200, 1000}, {5200, 1000, 5920, 1420},
                        {5920, 1420, 5200, 1180}, {5200, 1180, 4840, 1300}};
    const Ends blue[] = {{4360, 1300, 3880, 1000}, {3880, 1000, 3340, 1480},
                         {3340, 1480, 3880, 1240}, {3880, 1240, 4360, 1300},
                         {4840, 1300, 5320, 1000}, {5320, 1000, 5860, 1480},
                         {5860, 1480, 5320, 1240}, {5320, 1240, 4840, 1300}};
    const Ends green[] = {{4360, 1300, 3940, 1000}, {3940, 1000, 3310, 1450},
                          {3310, 1450, 3940, 1210}, {3940, 1210, 4360, 1300},
                          {4840, 1300, 5260, 1000}, {5260, 1000, 5890, 1450},
                          {5890, 1450, 5260, 1210}, {5260, 1210, 4840, 1300}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(endsOf(plotter.RedLine(i)), red[i]) << i;
        EXPECT_EQ(endsOf(plotter.BlueLine(i)), blue[i]) << i;
        EXPECT_EQ(endsOf(plotter.GreenLine(i)), green[i]) << i;
        EXPECT_TRUE(plotter.RedLine(i).Visible) << i;
        EXPECT_TRUE(plotter.BlueLine(i).Visible) << i;
        EXPECT_FALSE(plotter.GreenLine(i).Visible) << i;
    }
    for (int i = 8; i <= 10; ++i) {
        for (forms::Line* line :
             {&plotter.RedLine(i), &plotter.BlueLine(i), &plotter.GreenLine(i)}) {
            EXPECT_EQ(endsOf(*line), (Ends{0, 0, 0, 0})) << line->key();
            EXPECT_FALSE(line->Visible) << line->key();
        }
    }

    // 720 / 780 and 480 / 540 for A, 660 / 780 and 540 / 540 for B.
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Eyes\r\nWidth =  92.31%\r\nHeight =  88.89%\r\n\r\n"
              "FACE B : Eyes\r\nWidth =  84.62%\r\nHeight =  100%\r\n\r\n");

    // Drawing it again changes nothing; the quick keys' replay draws the same view.
    const std::string text = plotter.Statsbox.Text();
    plotter.ReplotCurrentView();
    EXPECT_EQ(plotter.Statsbox.Text(), text);
    EXPECT_EQ(endsOf(plotter.GreenLine(5)), green[5]);
    EXPECT_EQ(state.ViewMode, 1);
}

TEST_F(EyesView, EmptySlotTwoCollapsesAtTheBrowTopOnTheCentreLine) {
    loadTrio();
    emptySlotTwo();
    plotter.eyesViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1b), (Bounds{4600, 1000, 0, 0}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2b), (Bounds{4600, 1000, 0, 0}));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(endsOf(plotter.BlueLine(i)), (Ends{4600, 1000, 4600, 1000})) << i;
    }
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\nFACE A : Eyes\r\nWidth =  92.31%\r\nHeight =  88.89%\r\n\r\n");
}

TEST_F(EyesView, UntickedFaceKeepsItsStrokesHiddenAndItsBoxesAsTheCheckBoxSetThem) {
    loadTrio();
    plotter.CheckBoxB.userClick();
    plotter.eyesViewButton_Click();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FALSE(plotter.BlueLine(i).Visible) << i;
    }
    EXPECT_FALSE(plotter.EyeArea1b.Visible);
    EXPECT_FALSE(plotter.EyeArea2b.Visible);
    // Its figures are still written: the block depends on the face being loaded, not shown.
    EXPECT_NE(plotter.Statsbox.Text().find("FACE B : Eyes"), std::string::npos);
    // Ticking it again shows the strokes where the view put them.
    plotter.CheckBoxB.userClick();
    EXPECT_TRUE(plotter.BlueLine(7).Visible);
    EXPECT_EQ(endsOf(plotter.BlueLine(7)), (Ends{5320, 1240, 4840, 1300}));
}

TEST_F(EyesView, FiguresInSinglePrecisionAndUnusualSizes) {
    loadTrio();
    // A 7 units wide against the average's 6: 116.67, never 116.669998.
    setPoint(program.Face1, 8, 533, 1010);
    setAveragePoint(7, 431, 995);
    // B's inner eye edge left of its outer edge and its lower lid above its upper lid: the box
    // keeps its computed left and top and takes the magnitudes; the right box copies them.
    setPoint(program.Face2, 7, 420, 990);
    setPoint(program.Face2, 9, 500, 1050);
    plotter.eyesViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1b), (Bounds{3580, 2030, 120, 120}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2b), (Bounds{5740, 2030, 120, 120}));
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Eyes\r\nWidth =  116.67%\r\nHeight =  88.89%\r\n\r\n"
              "FACE B : Eyes\r\nWidth =  333.33%\r\nHeight =  22.22%\r\n\r\n");

    // No statistics: the average eye has no size and every figure is 0.
    program.Statistics = analysis::FaceStatistics{};
    plotter.eyesViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1g), (Bounds{4600, 1000, 0, 0}));
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : Eyes\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n"
              "FACE B : Eyes\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n");
}

}  // namespace
