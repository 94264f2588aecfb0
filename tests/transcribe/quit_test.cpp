#include <gtest/gtest.h>

#include <string>

#include "tests/transcribe/wizard_fixture.h"

namespace {

constexpr const char* kQuitQuestion = "Quit without saving? The values typed so far are lost.";
constexpr int kQuit = 0;

void closeByTitleBar(Wizard& wizard, forms::Window& window) {
    wizard.app.dispatch([&window] { window.userClose(); });
}

// Photoshop mode, the colour window passed, and points 1 and 2 typed: on step 3.
void typeTwoPoints(Wizard& wizard) {
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.point("120", "340");
    wizard.point("75", "410");
}

}  // namespace

TEST(QuitQuestion, NothingTypedQuitsAtOnce) {
    Wizard wizard;
    closeByTitleBar(wizard, wizard.initial);
    EXPECT_TRUE(wizard.app.ended());
    EXPECT_TRUE(wizard.platform.questions.empty());
}

// Typing the text a box already shows is an edit all the same.
TEST(QuitQuestion, AnEditOfTheFirstWindowAsksAndKeepGoingKeepsIt) {
    Wizard wizard;
    wizard.type(wizard.initial.NameBox, "NewSampleFace");
    closeByTitleBar(wizard, wizard.initial);
    ASSERT_EQ(wizard.platform.questions, std::vector<std::string>{kQuitQuestion});
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.initial.Visible());
    EXPECT_EQ(wizard.initial.NameBox.Text(), "NewSampleFace");

    wizard.platform.choiceAnswers = {kQuit};
    closeByTitleBar(wizard, wizard.initial);
    EXPECT_EQ(wizard.platform.questions.size(), 2u);
    EXPECT_TRUE(wizard.app.ended());
}

TEST(QuitQuestion, GoingOnCountsAsWorkInEveryLaterWindow) {
    Wizard wizard;
    wizard.click(wizard.initial.photoshopButton);
    closeByTitleBar(wizard, wizard.colours);
    EXPECT_EQ(wizard.platform.questions.size(), 1u);
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.colours.Visible());

    wizard.click(wizard.colours.ForwardButton);
    wizard.click(wizard.steps.QuitButton);
    EXPECT_EQ(wizard.platform.questions.size(), 2u);
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.steps.Visible());
}

TEST(QuitQuestion, KeepGoingLeavesEveryValueAndTheStepAsTheyWere) {
    Wizard wizard;
    wizard.type(wizard.initial.JobBox, "Painter");
    wizard.type(wizard.initial.HeightBox, "181");
    typeTwoPoints(wizard);
    wizard.type(wizard.steps.Xpos, "98");
    const transcribe::RawPoints points = wizard.program.PointCoords;

    wizard.click(wizard.steps.QuitButton);
    closeByTitleBar(wizard, wizard.steps);
    EXPECT_EQ(wizard.platform.questions.size(), 2u);
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.steps.Visible());
    EXPECT_EQ(wizard.steps.step(), 3);
    EXPECT_EQ(wizard.steps.Xpos.Text(), "98");
    EXPECT_EQ(wizard.program.PointCoords, points);
    EXPECT_EQ(wizard.x(3), 98);
    EXPECT_EQ(wizard.initial.JobBox.Text(), "Painter");
    EXPECT_EQ(wizard.initial.HeightBox.Text(), "181");
    EXPECT_TRUE(wizard.program.PhotoshopMode);

    wizard.platform.choiceAnswers = {kQuit};
    wizard.click(wizard.steps.QuitButton);
    EXPECT_TRUE(wizard.app.ended());
}

TEST(QuitQuestion, TheSaveStepsTitleBarAsksToo) {
    Wizard wizard;
    typeTwoPoints(wizard);
    for (int step = 3; step <= 30; ++step) {
        wizard.forward();
    }
    ASSERT_EQ(wizard.steps.GoForward.Caption, "Save");
    wizard.platform.choiceAnswers = {kQuit};
    closeByTitleBar(wizard, wizard.steps);
    EXPECT_EQ(wizard.platform.questions, std::vector<std::string>{kQuitQuestion});
    EXPECT_TRUE(wizard.app.ended());
}

// A text the program puts into a box (the name a string file offers) is no work of the user's.
TEST(QuitQuestion, OnlyTheUsersEditsCount) {
    Wizard wizard;
    wizard.app.dispatch([&wizard] {
        wizard.initial.NameBox.setText("Offered");
        wizard.initial.offerName("Zo\xC3\xAB");
    });
    closeByTitleBar(wizard, wizard.initial);
    EXPECT_TRUE(wizard.app.ended());
    EXPECT_TRUE(wizard.platform.questions.empty());
}
