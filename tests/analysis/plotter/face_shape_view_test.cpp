#include <gtest/gtest.h>

#include "analysis/plotter/face_shape_view.h"
#include "tests/analysis/plotter/plotter_fixture.h"

namespace {

using analysis::ClassifyFaceShape;
using analysis::FaceShapeClass;

TEST(FaceShapeClassifier, EachRowOfTheTable) {
    struct Case {
        int dFace;
        int dAverage;
        FaceShapeClass shape;
    };
    const Case cases[] = {
        // dC = 10: up to dC - 5 a heart, then round up to the limit, square beyond it.
        {5, 10, FaceShapeClass::Heart},
        {0, 10, FaceShapeClass::Heart},
        {6, 10, FaceShapeClass::Round},
        {10, 10, FaceShapeClass::Round},
        {11, 10, FaceShapeClass::Round},
        {28, 10, FaceShapeClass::Round},
        {29, 10, FaceShapeClass::Square},
        // The last test wins over the heart.
        {30, 40, FaceShapeClass::Square},
        {28, 40, FaceShapeClass::Heart},
        // An average difference below 5 leaves no room for a heart.
        {0, 4, FaceShapeClass::Round},
        {0, 5, FaceShapeClass::Heart},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyFaceShape(c.dFace, c.dAverage), c.shape) << c.dFace << " " << c.dAverage;
    }
    EXPECT_EQ(analysis::JawlineDifference(-40, -50), 10);
    EXPECT_EQ(analysis::JawlineDifference(-50, -40), 10);
    EXPECT_EQ(analysis::JawlineDifference(30, -45), 15);
    EXPECT_EQ(analysis::JawlineDifference(-32768, 0), 32768);
}

struct FaceShapeView : PlotterFixture {
    void SetUp() override {
        PlotterFixture::SetUp();
        plotter.Show();
    }
    // A: width 900, length 1100; B: width 800, length 1200; C: width 860, length 1150.
    void loadTrio() {
        setOutline(program.Face1, 600, 150, 1100);
        setOutline(program.Face2, 580, 180, 1200);
        setAverageOutline(590, 160, 1150);
        setJawline(program.Face1.Angles, -40, -50);
        setJawline(program.Face2.Angles, -20, -55);
        setJawline(program.Statistics.MedianAngles, -30, -50);
        program.Face1.Loaded = true;
        program.Face2.Loaded = true;
        window.Person1.Caption = "Ann";
        window.Person2.Caption = "Bob";
    }
};

TEST_F(FaceShapeView, ATrioWorkedByHand) {
    loadTrio();
    // A profile-like state beforehand: labels and the eye line hidden, the blank panel shown.
    plotter.HideLabelsAndPerimeters();
    plotter.BlankPanel.Visible = true;
    for (int i = 0; i <= 10; ++i) {
        plotter.RedLine(i).Visible = true;
        plotter.BlueLine(i).X2 = 77;
    }
    state.ViewMode = 6;
    plotter.faceShapeViewButton.click();

    EXPECT_EQ(state.ViewMode, 5);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    // top 1400 - 3.6 (L - 1000), left 4000 - 1.8 W, width 3.6 W, height 3.6 L.
    EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{2380, 1040, 3240, 3960}));
    EXPECT_EQ(boundsOf(plotter.Perimeter2), (Bounds{2560, 680, 2880, 4320}));
    EXPECT_EQ(boundsOf(plotter.Perimeter3), (Bounds{2452, 860, 3096, 4140}));
    // Every outline ends on the chin line.
    for (forms::Shape* outline : {&plotter.Perimeter1, &plotter.Perimeter2, &plotter.Perimeter3}) {
        EXPECT_EQ(outline->Top + outline->Height, 5000);
    }
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{250, 1400, 7000, 1400}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(plotter.EyeLevelLabel.Visible);
    EXPECT_TRUE(plotter.TopLabel.Visible);
    EXPECT_TRUE(plotter.BottomLabel.Visible);
    EXPECT_FALSE(plotter.NoseLabel.Visible);
    // The labels keep their places: the dashes point at the brow and chin lines.
    EXPECT_EQ(plotter.TopLabel.Left, 6720);
    EXPECT_EQ(plotter.TopLabel.Top, 480);
    EXPECT_EQ(plotter.BottomLabel.Left, 6720);
    EXPECT_EQ(plotter.BottomLabel.Top, 4920);
    EXPECT_EQ(plotter.EyeLevelLabel.Left, 6960);
    EXPECT_EQ(plotter.EyeLevelLabel.Top, 1320);
    for (forms::Line* line : faceLines()) {
        EXPECT_FALSE(line->Visible) << line->key();
        EXPECT_EQ(endsOf(*line), (Ends{0, 0, 0, 0})) << line->key();
    }
    for (forms::Shape* shape : featureShapes()) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }
    // dA 10 <= dC 20 - 5: heart, wider than long so it stays a heart. dB 35 > 28: square, longer
    // than wide: square long.
    EXPECT_EQ(state.FaceShapeA, "Heart");
    EXPECT_EQ(state.FaceShapeB, "Square Long");
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE A : \r\nHeart\r\nWidth =  104.65%\r\nHeight =  95.65%\r\n\r\n"
              "FACE B : \r\nSquare Long\r\nWidth =  93.02%\r\nHeight =  104.35%\r\n\r\n");
}

TEST_F(FaceShapeView, OutlineVisibilityBelongsToTheCheckBoxes) {
    loadTrio();
    plotter.CheckBoxB.userClick();
    plotter.faceShapeViewButton.click();
    EXPECT_TRUE(plotter.Perimeter1.Visible);
    EXPECT_FALSE(plotter.Perimeter2.Visible);
    EXPECT_FALSE(plotter.Perimeter3.Visible);
    // Ticking C shows the average outline where the view placed it.
    plotter.CheckBoxC.userClick();
    EXPECT_TRUE(plotter.Perimeter3.Visible);
    EXPECT_EQ(boundsOf(plotter.Perimeter3), (Bounds{2452, 860, 3096, 4140}));
}

TEST_F(FaceShapeView, OnlyLoadedFacesGetABlock) {
    loadTrio();
    program.Face1.Loaded = false;
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\n"
              "FACE B : \r\nSquare Long\r\nWidth =  93.02%\r\nHeight =  104.35%\r\n\r\n");
    // The outline of an unloaded face is still drawn from what the slot holds.
    EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{2380, 1040, 3240, 3960}));
    program.Face2.Loaded = false;
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(plotter.Statsbox.Text(), "% of average\r\n\r\n");
}

TEST_F(FaceShapeView, FaceAWithoutJawlineLeavesBothRound) {
    loadTrio();
    setJawline(program.Face1.Angles, 0, -50);
    plotter.faceShapeViewButton_Click();
    // A is wider than long and stays round; B, longer than wide, becomes oval.
    EXPECT_EQ(state.FaceShapeA, "Round");
    EXPECT_EQ(state.FaceShapeB, "Oval");
    // Face B without a jawline: A is classified, B stays round.
    setJawline(program.Face1.Angles, -40, -50);
    setJawline(program.Face2.Angles, 0, -50);
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(state.FaceShapeA, "Heart");
    EXPECT_EQ(state.FaceShapeB, "Oval");
}

TEST_F(FaceShapeView, LengthTestNeedsStrictlyLonger) {
    loadTrio();
    // Same width and length as the average face: 100% each, no change of word.
    setOutline(program.Face1, 590, 160, 1150);
    setJawline(program.Face1.Angles, -10, -50);  // 40: square
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(state.FaceShapeA, "Square");
    EXPECT_NE(plotter.Statsbox.Text().find("Width =  100%\r\nHeight =  100%\r\n"),
              std::string::npos);
    // Longer than wide: square long; a heart or round becomes oval, never square long twice.
    setOutline(program.Face1, 590, 160, 1200);
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(state.FaceShapeA, "Square Long");
    setJawline(program.Face1.Angles, -45, -50);  // 5 <= 15: heart
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(state.FaceShapeA, "Oval");
    setJawline(program.Face1.Angles, -38, -50);  // 12: round
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(state.FaceShapeA, "Oval");
}

TEST_F(FaceShapeView, TallBrowsStartHighAndEveryOutlineHangsFromTheEyeLine) {
    loadTrio();
    setOutline(program.Face1, 600, 150, 1200);
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(plotter.Perimeter1.Top, 680);
    EXPECT_EQ(plotter.Perimeter1.Top + plotter.Perimeter1.Height, 5000);
}

// The average face of zeros (no statistics read yet) gives 0%, never an error.
TEST_F(FaceShapeView, ZeroAverageGivesZeroPercent) {
    setOutline(program.Face1, 600, 150, 1100);
    program.Face1.Loaded = true;
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(plotter.Statsbox.Text(),
              "% of average\r\n\r\nFACE A : \r\nRound\r\nWidth =  0%\r\nHeight =  0%\r\n\r\n");
    EXPECT_EQ(boundsOf(plotter.Perimeter3), (Bounds{4000, 5000, 0, 0}));
    EXPECT_TRUE(platform.errors.empty());
}

// Odd landmarks draw what they can: magnitudes for negative sizes, far-off points and extreme
// values without overflow.
TEST_F(FaceShapeView, OddLandmarksDrawWithoutError) {
    loadTrio();
    // Face edge right of the nose: width -400 stored as 1440, left as computed.
    setOutline(program.Face1, 100, 300, 1100);
    // Eyebrows below the chin: a negative length stored as its magnitude.
    setOutline(program.Face2, 580, 180, -500);
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{4720, 1040, 1440, 3960}));
    EXPECT_EQ(boundsOf(plotter.Perimeter2), (Bounds{2560, 6800, 2880, 1800}));
    EXPECT_NE(plotter.Statsbox.Text().find("Width =  46.51%"), std::string::npos);

    setOutline(program.Face1, 32767, -32768, 32767);
    setOutline(program.Face2, -32768, 32767, -32768);
    setAverageOutline(-32768, 32767, -32768);
    plotter.faceShapeViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{4000 - 235926, 1400 - 114361, 471852, 117961}));
    EXPECT_EQ(plotter.Perimeter3.Width, 471852);
    EXPECT_EQ(plotter.Perimeter3.Height, 117965);
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
