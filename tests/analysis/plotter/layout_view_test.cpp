#include <gtest/gtest.h>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

using LayoutView = ViewFixture;

TEST_F(LayoutView, ATrioWorkedByHand) {
    loadTrio();
    program.Face1.FaceHeight = 170;
    plotter.CheckBoxC.userClick();
    plotter.BlankPanel.Visible = true;
    plotter.layoutViewButton.click();

    EXPECT_EQ(state.ViewMode, 4);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{4600, 500, 4600, 4500}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(plotter.NoseLabel.Visible);
    EXPECT_FALSE(plotter.EyeLevelLabel.Visible);

    // The eye-edge height on y 1000, 4 twips a unit.
    EXPECT_EQ(boundsOf(plotter.EyeArea1), (Bounds{3880, 840, 480, 320}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2), (Bounds{4840, 840, 480, 320}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1), (Bounds{4320, 1000, 560, 1200}));
    EXPECT_EQ(boundsOf(plotter.MouthArea1), (Bounds{4120, 3320, 960, 480}));
    EXPECT_EQ(boundsOf(plotter.EyeArea1b), (Bounds{3920, 880, 440, 360}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2b), (Bounds{4840, 880, 440, 360}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1b), (Bounds{4360, 1040, 480, 1080}));
    EXPECT_EQ(boundsOf(plotter.MouthArea1b), (Bounds{4180, 3280, 840, 440}));
    EXPECT_EQ(boundsOf(plotter.EyeArea1g), (Bounds{3880, 860, 520, 360}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2g), (Bounds{4800, 860, 520, 360}));
    EXPECT_EQ(boundsOf(plotter.NoseArea1g), (Bounds{4340, 1020, 520, 1140}));
    EXPECT_EQ(boundsOf(plotter.MouthArea1g), (Bounds{4140, 3300, 920, 460}));
    for (const analysis::PlotFace& face : {plotter.faceA(), plotter.faceB(), plotter.faceC()}) {
        // Mirror and centre: the right eye mirrors the left, nose and mouth straddle 4600.
        EXPECT_EQ(face.eye2.Left, 2 * 4600 - (face.eye1.Left + face.eye1.Width));
        EXPECT_EQ(face.nose.Left + face.nose.Width / 2, 4600);
        EXPECT_EQ(face.mouth.Left + face.mouth.Width / 2, 4600);
        EXPECT_TRUE(face.nose.Visible);
        EXPECT_EQ(boundsOf(face.outline), (Bounds{0, 0, 0, 0}));
    }
    for (forms::Line* line : faceLines()) {
        EXPECT_EQ(endsOf(*line), (Ends{0, 0, 0, 0})) << line->key();
    }
    EXPECT_EQ(plotter.Statsbox.Text(), "Height =  170cm\r\nHeight = unknown\r\n");
}

TEST_F(LayoutView, EmptySlotTwoAndItsNoseBox) {
    loadTrio();
    emptySlotTwo();
    plotter.CheckBoxB.userClick();
    plotter.layoutViewButton_Click();
    for (forms::Shape* shape : faceShapes(plotter.faceB())) {
        if (shape != &plotter.Perimeter2) {
            EXPECT_EQ(boundsOf(*shape), (Bounds{4600, 5000, 0, 0})) << shape->key();
        }
    }
    EXPECT_FALSE(plotter.NoseArea1b.Visible);
    plotter.CheckBoxB.userClick();
    plotter.layoutViewButton_Click();
    EXPECT_TRUE(plotter.NoseArea1b.Visible);
}

TEST_F(LayoutView, AfterTheEyesViewAndWithUnusualBoxes) {
    loadTrio();
    plotter.eyesViewButton_Click();
    // A's upper lid above the eye edge puts its eye boxes above y 1000; its eye inner edge left
    // of the outer one and its mouth bottom above its peak give magnitudes at computed places.
    setPoint(program.Face1, 10, 470, 1100);
    setPoint(program.Face1, 7, 400, 1000);
    setPoint(program.Face1, 16, 590, 500);
    plotter.layoutViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1), (Bounds{3880, 600, 80, 560}));
    EXPECT_EQ(boundsOf(plotter.EyeArea2), (Bounds{5400, 600, 80, 560}));
    EXPECT_EQ(boundsOf(plotter.MouthArea1), (Bounds{4120, 3320, 960, 320}));
    // The eyes view's strokes stay shown, collapsed; the nose boxes it hid show again.
    EXPECT_TRUE(plotter.RedLine(7).Visible);
    EXPECT_FALSE(plotter.RedLine(8).Visible);
    EXPECT_EQ(endsOf(plotter.RedLine(7)), (Ends{0, 0, 0, 0}));
    EXPECT_TRUE(plotter.NoseArea1.Visible);
}

}  // namespace
