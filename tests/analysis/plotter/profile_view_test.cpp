#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/analysis/plotter/view_fixture.h"

namespace {

struct ProfileView : ViewFixture {
    // Profile point k of A at (100 + 10k, 1400 - 50k), of B at (80 + 12k, 1300 - 45k), of the
    // average face at (90 + 11k, 1350 - 48k).
    void loadProfiles() {
        for (int k = 1; k <= 23; ++k) {
            setProfilePoint(program.Face1.Coords, k, 100 + 10 * k, 1400 - 50 * k);
            setProfilePoint(program.Face2.Coords, k, 80 + 12 * k, 1300 - 45 * k);
            setProfilePoint(program.Statistics.MedianCoords, k, 90 + 11 * k, 1350 - 48 * k);
        }
        program.Face1.Loaded = true;
        program.Face2.Loaded = true;
        window.Person1.Caption = "Ann";
        window.Person2.Caption = "Bob";
    }
    void expectChain(const forms::ControlArray<forms::Line>& lines,
                     const std::vector<std::pair<int, int>>& points, int shift = 0) {
        for (int j = 0; j <= 10; ++j) {
            const auto& [x1, y1] = points[static_cast<std::size_t>(j)];
            const auto& [x2, y2] = points[static_cast<std::size_t>(j) + 1];
            EXPECT_EQ(endsOf(lines(j)), (Ends{x1 + shift, y1, x2 + shift, y2})) << lines(j).key();
        }
    }
    // The chain's points 5, 6, 3, 12, 11, 17, 16, 21, 18, 22, 23, 1 on the canvas: x base 1500 for
    // A and C, 1700 for B, 3 twips a unit, the chin on y 4500.
    const std::vector<std::pair<int, int>> chainA{
        {1950, 1050}, {1980, 1200}, {1890, 750},  {2160, 2100}, {2130, 1950}, {2310, 2850},
        {2280, 2700}, {2430, 3450}, {2340, 3000}, {2460, 3600}, {2490, 3750}, {1830, 450}};
    const std::vector<std::pair<int, int>> chainB{
        {2120, 1275}, {2156, 1410}, {2048, 1005}, {2372, 2220}, {2336, 2085}, {2552, 2895},
        {2516, 2760}, {2696, 3435}, {2588, 3030}, {2732, 3570}, {2768, 3705}, {1976, 735}};
    const std::vector<std::pair<int, int>> chainC{
        {1935, 1170}, {1968, 1314}, {1869, 882},  {2166, 2178}, {2133, 2034}, {2331, 2898},
        {2298, 2754}, {2463, 3474}, {2364, 3042}, {2496, 3618}, {2529, 3762}, {1803, 594}};
    const std::string noProfileA = "Profile A :\r\nNo data has been loaded.\r\n";
    const std::string noProfileB = "Profile B :\r\nNo data has been loaded.\r\n";
};

TEST_F(ProfileView, ATrioWorkedByHand) {
    loadProfiles();
    plotter.layoutViewButton_Click();
    plotter.ProfileButton.click();

    EXPECT_EQ(state.ViewMode, 6);
    EXPECT_TRUE(plotter.BlankPanel.Visible);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");
    expectChain(plotter.RedLine, chainA);
    expectChain(plotter.BlueLine, chainB);
    expectChain(plotter.GreenLine, chainC);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(plotter.RedLine(i).Visible) << i;
        EXPECT_TRUE(plotter.BlueLine(i).Visible) << i;
        // C is placed but hidden until its check box is ticked.
        EXPECT_FALSE(plotter.GreenLine(i).Visible) << i;
    }
    // The layout view's boxes and eye line are gone; EyeLevel is parked and hidden.
    for (forms::Shape* shape : featureShapes()) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{9999, 9999, 9999, 9999}));
    EXPECT_FALSE(plotter.EyeLevel.Visible);
    EXPECT_FALSE(plotter.NoseLabel.Visible);
    EXPECT_FALSE(plotter.TopLabel.Visible);
    EXPECT_FALSE(plotter.BottomLabel.Visible);
    EXPECT_FALSE(plotter.EyeLevelLabel.Visible);
    EXPECT_EQ(plotter.Statsbox.Text(), "");

    plotter.CheckBoxC.userClick();
    EXPECT_TRUE(plotter.GreenLine(10).Visible);
    expectChain(plotter.GreenLine, chainC);
}

TEST_F(ProfileView, OnePointDrawnAsTheExampleSays) {
    setProfilePoint(program.Face1.Coords, 5, 10, 1100);
    setProfilePoint(program.Face1.Coords, 6, 20, 1050);
    setProfilePoint(program.Face2.Coords, 5, 10, 1100);
    setProfilePoint(program.Face2.Coords, 6, 20, 1050);
    plotter.ProfileButton_Click();
    EXPECT_EQ(endsOf(plotter.RedLine(0)), (Ends{1530, 1200, 1560, 1350}));
    EXPECT_EQ(endsOf(plotter.BlueLine(0)), (Ends{1730, 1200, 1760, 1350}));
    // The points not given are 0: the chain comes back to the chin line at the x base.
    EXPECT_EQ(endsOf(plotter.RedLine(1)), (Ends{1560, 1350, 1500, 4500}));
}

TEST_F(ProfileView, FacesWithoutProfilesGetANoticeAndTheAverageIsAlwaysDrawn) {
    loadProfiles();
    // Face 2 empty; face 1 with profile points but none at point 5.
    emptySlotTwo();
    program.Face1.Coords[9] = 0;
    plotter.ProfileButton_Click();
    EXPECT_EQ(plotter.Statsbox.Text(), noProfileA + noProfileB);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FALSE(plotter.RedLine(i).Visible) << i;
        EXPECT_FALSE(plotter.BlueLine(i).Visible) << i;
    }
    expectChain(plotter.GreenLine, chainC);

    // No statistics: the average chain lies on one point at its x base on the chin line.
    program.Statistics = analysis::FaceStatistics{};
    state.ProfileShiftC = 100;
    plotter.ProfileButton_Click();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(endsOf(plotter.GreenLine(i)), (Ends{1600, 4500, 1600, 4500})) << i;
    }
    EXPECT_EQ(plotter.Statsbox.Text(), noProfileA + noProfileB);
}

TEST_F(ProfileView, ArrowsShiftAndRedrawOneChain) {
    loadProfiles();
    plotter.ProfileButton_Click();
    for (int press = 0; press < 3; ++press) {
        plotter.RedRightArrow.click();
    }
    plotter.BlueLeftArrow.click();
    plotter.GreenRightArrow.click();
    plotter.GreenLeftArrow.click();
    plotter.GreenLeftArrow.click();
    EXPECT_EQ(state.ProfileShiftA, 150);
    EXPECT_EQ(state.ProfileShiftB, -50);
    EXPECT_EQ(state.ProfileShiftC, -50);
    expectChain(plotter.RedLine, chainA, 150);
    expectChain(plotter.BlueLine, chainB, -50);
    expectChain(plotter.GreenLine, chainC, -50);
    plotter.RedLeftArrow.click();
    expectChain(plotter.RedLine, chainA, 100);

    // The view keeps the shifts; a quick key's replay too.
    plotter.ProfileButton_Click();
    expectChain(plotter.RedLine, chainA, 100);
    plotter.ReplotCurrentView();
    expectChain(plotter.BlueLine, chainB, -50);

    // The main window's Plotter button zeroes them without moving anything; the next drawing
    // is unshifted.
    window.PlotterButton_Click();
    EXPECT_EQ(state.ProfileShiftA, 0);
    EXPECT_EQ(state.ProfileShiftB, 0);
    EXPECT_EQ(state.ProfileShiftC, 0);
    expectChain(plotter.RedLine, chainA, 100);
    plotter.ProfileButton_Click();
    expectChain(plotter.RedLine, chainA);
    expectChain(plotter.BlueLine, chainB);
    expectChain(plotter.GreenLine, chainC);
}

// Quick clicks on an arrow come as a click and a double click: each moves the profile.
TEST_F(ProfileView, ADoubleClickOnAnArrowIsTwoClicks) {
    loadProfiles();
    plotter.ProfileButton_Click();
    for (forms::Image* arrow : {&plotter.RedRightArrow, &plotter.BlueLeftArrow,
                                &plotter.GreenRightArrow, &plotter.GreenLeftArrow}) {
        arrow->click();
        arrow->dblClick();
    }
    plotter.RedLeftArrow.dblClick();
    plotter.BlueRightArrow.dblClick();
    EXPECT_EQ(state.ProfileShiftA, 50);
    EXPECT_EQ(state.ProfileShiftB, -50);
    EXPECT_EQ(state.ProfileShiftC, 0);
    expectChain(plotter.RedLine, chainA, 50);
    expectChain(plotter.BlueLine, chainB, -50);
}

TEST_F(ProfileView, AnArrowInAnotherViewDrawsOverIt) {
    loadProfiles();
    plotter.faceShapeViewButton_Click();
    const std::string figures = plotter.Statsbox.Text();
    const Bounds outline = boundsOf(plotter.Perimeter1);
    plotter.BlueLeftArrow.click();
    EXPECT_EQ(state.ViewMode, 5);
    EXPECT_EQ(plotter.Statsbox.Text(), figures);
    EXPECT_EQ(boundsOf(plotter.Perimeter1), outline);
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    expectChain(plotter.BlueLine, chainB, -50);
    EXPECT_TRUE(plotter.BlueLine(0).Visible);
    // Face A's lines are untouched.
    EXPECT_EQ(endsOf(plotter.RedLine(0)), (Ends{0, 0, 0, 0}));
    EXPECT_FALSE(plotter.RedLine(0).Visible);
}

TEST_F(ProfileView, ArrowsOnAFaceWithoutProfileAppendTheNoticeEachTime) {
    loadProfiles();
    program.Face1.Coords[9] = 0;
    plotter.ProfileButton_Click();
    plotter.RedLeftArrow.click();
    plotter.RedLeftArrow.click();
    EXPECT_EQ(state.ProfileShiftA, -100);
    EXPECT_EQ(plotter.Statsbox.Text(), noProfileA + noProfileA + noProfileA);
}

TEST_F(ProfileView, ShiftsStopAtTheSixteenBitLimits) {
    loadProfiles();
    // A: base 1500 + 31250 + 50 would pass 32767; the chain is still drawn at the kept shift.
    state.ProfileShiftA = 31250;
    plotter.RedRightArrow_Click();
    EXPECT_EQ(state.ProfileShiftA, 31250);
    EXPECT_EQ(plotter.RedLine(0).X1, 1950 + 31250);
    state.ProfileShiftA = 31200;
    plotter.RedRightArrow_Click();
    EXPECT_EQ(state.ProfileShiftA, 31250);
    // B's base is 1700.
    state.ProfileShiftB = 31050;
    plotter.BlueRightArrow_Click();
    EXPECT_EQ(state.ProfileShiftB, 31050);
    state.ProfileShiftB = 31000;
    plotter.BlueRightArrow_Click();
    EXPECT_EQ(state.ProfileShiftB, 31050);
    // To the left the shift itself is the limit.
    state.ProfileShiftC = -32750;
    plotter.GreenLeftArrow_Click();
    EXPECT_EQ(state.ProfileShiftC, -32750);
    EXPECT_EQ(plotter.GreenLine(0).X1, 1935 - 32750);
    state.ProfileShiftC = -32718;
    plotter.GreenLeftArrow_Click();
    EXPECT_EQ(state.ProfileShiftC, -32768);
}

TEST_F(ProfileView, FarOffPointsAreDrawnWhereTheyFall) {
    loadProfiles();
    // A y of 9999 (what a value above 32768 in a face file becomes) and the 16-bit extremes.
    setProfilePoint(program.Face1.Coords, 6, 32767, 9999);
    setProfilePoint(program.Face1.Coords, 3, -32768, -32768);
    plotter.ProfileButton_Click();
    EXPECT_EQ(endsOf(plotter.RedLine(0)), (Ends{1950, 1050, 1500 + 3 * 32767, 4500 - 3 * 9999}));
    EXPECT_EQ(endsOf(plotter.RedLine(1)),
              (Ends{1500 + 3 * 32767, 4500 - 3 * 9999, 1500 - 3 * 32768, 4500 + 3 * 32768}));
    EXPECT_EQ(plotter.Statsbox.Text(), "");
}

}  // namespace
