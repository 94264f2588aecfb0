#include <gtest/gtest.h>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

using Views = ViewFixture;

// A quick key loads a new face B and draws the current view again with it. Bob's portrait point
// k lies at (100 + k, 200 + k); he has no profile points.
TEST_F(Views, AQuickKeyRedrawsEveryViewWithTheNewFaceB) {
    writeStatistics();
    folder.write("Bob.txt", sample::face("Bob", "Actor", {"183#"}));
    window.Dir1.setPath(window.Dir1.Path());
    program.PrefsWindow.F1Person(3).Caption = "Bob";
    loadTrio();
    window.PlotterButton_Click();

    struct Case {
        forms::Label& button;
        std::int16_t mode;
    };
    const Case cases[] = {{plotter.eyesViewButton, 1},
                          {plotter.noseViewButton, 2},
                          {plotter.mouthViewButton, 3},
                          {plotter.layoutViewButton, 4},
                          {plotter.ProfileButton, 6}};
    for (const Case& c : cases) {
        loadTrio();
        c.button.click();
        plotter.QuickKey(2).click();
        EXPECT_EQ(program.Face2.FaceName, "Bob");
        EXPECT_EQ(state.ViewMode, c.mode);
        EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    }
    // Each view as Bob's points place it.
    plotter.eyesViewButton_Click();
    plotter.QuickKey(2).click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1b), (Bounds{4624, 1210, 6, 6}));
    plotter.noseViewButton_Click();
    plotter.QuickKey(2).click();
    EXPECT_EQ(boundsOf(plotter.NoseArea1b), (Bounds{4705, 806, 210, 14}));
    plotter.mouthViewButton_Click();
    plotter.QuickKey(2).click();
    EXPECT_EQ(endsOf(plotter.BlueLine(2)), (Ends{4670, -2077, 4530, -2077}));
    plotter.layoutViewButton_Click();
    plotter.QuickKey(2).click();
    EXPECT_EQ(boundsOf(plotter.MouthArea1b), (Bounds{4644, 4144, 88, 8}));
    EXPECT_EQ(plotter.Statsbox.Text(), "Height = unknown\r\nHeight =  183cm\r\n");
    plotter.ProfileButton_Click();
    plotter.QuickKey(2).click();
    EXPECT_NE(plotter.Statsbox.Text().find("Profile B :\r\nNo data has been loaded.\r\n"),
              std::string::npos);
    EXPECT_TRUE(platform.errors.empty());
}

// Landmarks at the far ends of the 16-bit range: every view places its items wherever they fall
// and the panel shows figures, never an error.
TEST_F(Views, FarOffLandmarksDrawWhatTheyCan) {
    loadTrio();
    setPoint(program.Face1, 4, 32767, -32768);
    setPoint(program.Face1, 7, 32767, 9999);
    setPoint(program.Face1, 8, -32768, 9999);
    setPoint(program.Face1, 9, 0, -32768);
    setPoint(program.Face1, 10, 0, 32767);
    setPoint(program.Face1, 19, -32768, 0);
    setPoint(program.Face1, 6, 0, 32767);
    setPoint(program.Face1, 15, -32768, -32768);
    setPoint(program.Face1, 14, 32767, 32767);

    plotter.eyesViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.EyeArea1),
              (Bounds{4600 - 6 * 65535, 1000 + 32767, 6 * 65535, 6 * 65535}));
    EXPECT_EQ(plotter.EyeArea2.Left, 4600 + 6 * 0);
    EXPECT_TRUE(plotter.Statsbox.Text().starts_with(
        "% of average\r\n\r\nFACE A : Eyes\r\nWidth =  50411.54%\r\nHeight =  72816.66%\r\n"))
        << plotter.Statsbox.Text();

    plotter.noseViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.NoseArea1),
              (Bounds{4600 - 7 * 65535, 600 + 32767, 14 * 65535, 7 * 65535}));

    plotter.mouthViewButton_Click();
    EXPECT_EQ(endsOf(plotter.RedLine(0)), (Ends{4600 - 7 * 65535, -2000 + 7 * (1150 + 32768), 4600,
                                                -2000 + 7 * (1150 - 32767)}));
    EXPECT_EQ(plotter.RedLine(1).Y2, -2000 + 7 * (1150 - 300));

    plotter.layoutViewButton_Click();
    EXPECT_EQ(boundsOf(plotter.MouthArea1),
              (Bounds{4600 - 4 * 65535, 1000 + 4 * (1000 - 32767), 8 * 65535, 4 * (32767 - 300)}));
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
