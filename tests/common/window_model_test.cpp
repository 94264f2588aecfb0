#include <gtest/gtest.h>

#include "common/forms/application.h"
#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"
#include "common/headless/recording_platform.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using namespace forms;

namespace {

class SampleWindow : public Window {
  public:
    explicit SampleWindow(Application& app) : Window(app, "Sample") {
        Box.onChange = [this] { log += "change:" + Box.Text() + ";"; };
        Tick.onClick = [this] { log += "tick;"; };
        Slide.Max = 20;
        Slide.onChange = [this] { log += "slide;"; };
        A.onClick = [this] { log += "A;"; };
        B.onClick = [this] { log += "B;"; };
        Broken.onClick = [] { throw common::Error(common::ErrorCode::Overflow); };
    }

    Label Caption1{*this, "Caption1"};
    TextBox Box{*this, "Box"};
    CheckBox Tick{*this, "Tick"};
    Slider Slide{*this, "Slide"};
    Frame Group{*this, "Group"};
    OptionButton A{*this, "A"};
    OptionButton B{*this, "B"};
    OptionButton Elsewhere{*this, "Elsewhere"};
    CommandButton Broken{*this, "Broken"};
    ControlArray<CommandButton> Keys{*this, "QuickKey", 0, 9};
    std::string log;
    int loads = 0;
    int activations = 0;
    int unloads = 0;
    bool mayClose = true;

  protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    bool Form_QueryUnload() override { return mayClose; }
    void Form_Unload() override { ++unloads; }
};

struct Fixture : ::testing::Test {
    common::RecordingPlatform platform;
    Application app{platform, "/"};
    SampleWindow window{app};
};

}  // namespace

TEST_F(Fixture, ControlsRegisterUnderTheirNames) {
    EXPECT_EQ(window.find("Box"), &window.Box);
    EXPECT_EQ(window.find("QuickKey(3)"), &window.Keys(3));
    EXPECT_EQ(window.Keys(9).key(), "QuickKey(9)");
    EXPECT_EQ(window.find("Nothing"), nullptr);
    EXPECT_THROW(window.Keys(10), common::Error);
    EXPECT_EQ(window.controls().size(), 19u);
}

TEST_F(Fixture, AssigningPropertiesFiresTheirEvents) {
    window.Box.setText("abc");
    window.Box.setText("abc");
    window.Tick.setValue(1);
    window.Tick.setValue(1);
    window.Slide.setValue(7);
    window.Slide.setValue(7);
    EXPECT_EQ(window.log, "change:abc;tick;slide;");
    EXPECT_THROW(window.Slide.setValue(21), common::Error);
    EXPECT_EQ(window.Slide.Value(), 7);
}

TEST_F(Fixture, OptionButtonsOfOneContainerExcludeEachOther) {
    window.A.Container = &window.Group;
    window.B.Container = &window.Group;
    window.Elsewhere.setValue(true);
    window.A.setValue(true);
    window.B.setValue(true);
    EXPECT_FALSE(window.A.Value());
    EXPECT_TRUE(window.B.Value());
    EXPECT_TRUE(window.Elsewhere.Value());
    EXPECT_EQ(window.log, "A;B;");
}

TEST_F(Fixture, LoadRunsOnceAndShowActivates) {
    window.Caption1.Caption = "x";
    EXPECT_EQ(window.loads, 0);
    window.Show();
    window.Show();
    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.activations, 1);
    EXPECT_TRUE(window.Visible());
    window.Hide();
    window.Show();
    EXPECT_EQ(window.activations, 2);
    EXPECT_EQ(app.activeWindow(), &window);
}

TEST_F(Fixture, ClosingRunsUnloadAndHides) {
    window.Show();
    window.userClose();
    EXPECT_EQ(window.unloads, 1);
    EXPECT_FALSE(window.Visible());
}

TEST_F(Fixture, AWindowThatRefusesToCloseStaysAsItWas) {
    window.Show();
    window.mayClose = false;
    window.userClose();
    EXPECT_EQ(window.unloads, 0);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(app.activeWindow(), &window);
}

// Every user edit is seen, also one that leaves the text as it was; the program's own are not.
TEST_F(Fixture, UserEditsAreSeenEvenWhenTheTextStaysTheSame) {
    int edits = 0;
    window.Box.onUserEdit = [&edits] { ++edits; };
    window.Box.setText("0");
    EXPECT_EQ(edits, 0);
    window.Box.userEdit("0");
    window.Box.userEdit("12");
    EXPECT_EQ(edits, 2);
    EXPECT_EQ(window.log, "change:0;change:12;");
}

TEST_F(Fixture, UntrappedErrorIsReportedAndTheEventAbandoned) {
    platform.busy = true;
    app.dispatch([this] { window.Broken.click(); });
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Overflow"), std::string::npos);
    EXPECT_FALSE(platform.busy);
    app.dispatch([this] { window.Box.setText("still alive"); });
    EXPECT_EQ(window.Box.Text(), "still alive");
}

TEST_F(Fixture, NoEventRunsAfterTheProgramEnds) {
    app.End();
    EXPECT_TRUE(platform.ended);
    app.dispatch([this] { window.Box.setText("late"); });
    EXPECT_EQ(window.Box.Text(), "");
}

TEST_F(Fixture, SurfaceKeepsFilledRectanglesUntilCleared) {
    window.FillRect(0, 0, 100, 50, 0x0000FF);
    window.FillRect(0, 50, 100, 100, 0x00FF00);
    ASSERT_EQ(window.surface().size(), 2u);
    EXPECT_EQ(window.surface()[1].colour, 0x00FF00);
    window.ClearSurface();
    EXPECT_TRUE(window.surface().empty());
}

TEST_F(Fixture, PictureLoadFailsOnMissingOrBadFilesAndKeepsTheOldPicture) {
    TempFolder folder;
    folder.write("good.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + "rest");
    folder.write("bad.jpg", "not a picture");
    Image image(window, "Photo");
    image.LoadPicture(folder.file("good.jpg"));
    EXPECT_EQ(image.Picture(), folder.file("good.jpg"));
    try {
        image.LoadPicture(folder.file("bad.jpg"));
        FAIL();
    } catch (const common::Error& e) {
        EXPECT_EQ(e.code(), common::ErrorCode::InvalidPicture);
    }
    try {
        image.LoadPicture(folder.file("missing.jpg"));
        FAIL();
    } catch (const common::Error& e) {
        EXPECT_EQ(e.code(), common::ErrorCode::FileNotFound);
    }
    EXPECT_EQ(image.Picture(), folder.file("good.jpg"));
}
