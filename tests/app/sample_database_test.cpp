#include <gtest/gtest.h>

#include "analysis/engine/ranking/top_nine.h"
#include "common/headless/recording_platform.h"
#include "common/text/convert.h"
#include "tests/app/sample_database_fixture.h"

namespace {

struct OnSampleDatabase : ::testing::Test {
    common::RecordingPlatform platform;
    forms::Application app{platform, SampleDatabase::folder().text()};
    analysis::AnalysisProgram program{app};
    analysis::Analysis& window = program.MainWindow;

    void SetUp() override { program.start(); }
};

}  // namespace

TEST_F(OnSampleDatabase, StartUpOpensTheSampleDatabaseWithItsSettings) {
    EXPECT_EQ(window.Dir1.Path(), SampleDatabase::folder().file("Sample data"));
    EXPECT_GE(window.File1.ListCount(), 40);
    EXPECT_EQ(window.File1.ToolTipText, common::Str(window.File1.ListCount()) + " faces");
    EXPECT_EQ(program.PrefsWindow.EyeSlider.Value(), 20);
    EXPECT_EQ(program.PrefsWindow.AutoTopTen.Value(), 1);
    EXPECT_EQ(window.Person1.Caption, "No data has been loaded.");
}

TEST_F(OnSampleDatabase, ComparisonRunFindsTheBestMatches) {
    const int face1 = 5;
    window.File1.setListIndex(face1);
    const std::string name1 = window.File1.List(face1);
    window.File1_DblClick();
    ASSERT_TRUE(window.CompButton.Enabled);
    window.CompButton_Click();
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_FALSE(program.NoMedianWindow.Visible());

    const analysis::TopNine& top = program.Top;
    const std::string stem1 = name1.substr(0, name1.size() - 4);
    for (std::size_t k = 1; k <= 9; ++k) {
        EXPECT_NE(top.TopNames[k], stem1);
        EXPECT_NE(top.TopNames[k], "A") << "every place is filled";
    }
    EXPECT_GT(top.TopTotals[1], top.TopTotals[9]);
    EXPECT_EQ(window.FirstPlace.Caption,
              "1st : " + top.TopNames[1] + " " + common::Str(top.TopTotals[1]) + "%");
    EXPECT_EQ(window.SecondPlace.Caption,
              "2nd : " + top.TopNames[2] + " " + common::Str(top.TopTotals[2]) + "%");
    EXPECT_EQ(window.ThirdPlace.Caption,
              "3rd : " + top.TopNames[3] + " " + common::Str(top.TopTotals[3]) + "%");

    // The best match becomes face 2, in its Portrait view.
    EXPECT_EQ(window.Person2.Caption, top.TopNames[1]);
    EXPECT_EQ(program.Face2.FaceName, top.TopNames[1]);
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(),
              common::joinPath(window.Dir1.Path(), top.TopNames[1] + "1.jpg"));
    EXPECT_EQ(window.View1.Caption, "Portrait");
    EXPECT_EQ(program.PrefsWindow.F1Person(2).Caption, top.TopNames[1]);

    // The third place's hot area brings that face in.
    window.ThirdHotArea_Click();
    EXPECT_EQ(window.Person2.Caption, top.TopNames[3]);
}
