#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/transcribe/wizard_fixture.h"
#include "transcribe/entry_rules.h"

TEST(KeptValueWords, SayWhyAndNameTheValueKept) {
    using transcribe::keptValueWords;
    EXPECT_EQ(keptValueWords("99999", 9999), "too large: 9999 is kept");
    EXPECT_EQ(keptValueWords("-40000", 12), "too large: 12 is kept");
    EXPECT_EQ(keptValueWords("1e400", 0), "too large: 0 is kept");
    EXPECT_EQ(keptValueWords("", 25), "no number: 25 is kept");
    EXPECT_EQ(keptValueWords("abc", 25), "no number: 25 is kept");
    EXPECT_EQ(keptValueWords("-", 25), "no number: 25 is kept");
    EXPECT_EQ(keptValueWords("0", 25), "0 is no value: 25 is kept");
}

TEST(StepEntry, ARefusedTextIsNamedBesideItsBoxUntilTheNextAcceptedChange) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.type(wizard.steps.Xpos, "120");
    wizard.type(wizard.steps.Ypos, "9999");
    wizard.type(wizard.steps.Ypos, "99999");
    EXPECT_EQ(wizard.y(1), 9999);
    EXPECT_EQ(wizard.steps.KeptY.Caption, "too large: 9999 is kept");
    EXPECT_EQ(wizard.steps.KeptX.Caption, "");
    // Typing on in another box leaves the words where they are.
    wizard.type(wizard.steps.Xpos, "130");
    EXPECT_EQ(wizard.steps.KeptY.Caption, "too large: 9999 is kept");
    // "-" on the way to "-25" is no number yet; "-25" is accepted and the words go.
    wizard.type(wizard.steps.Ypos, "-");
    EXPECT_EQ(wizard.steps.KeptY.Caption, "no number: 9999 is kept");
    wizard.type(wizard.steps.Ypos, "-25");
    EXPECT_EQ(wizard.y(1), 25);
    EXPECT_EQ(wizard.steps.KeptY.Caption, "");
    // ">>" still goes on, and the next step starts without words.
    wizard.type(wizard.steps.Xpos, "");
    EXPECT_EQ(wizard.steps.KeptX.Caption, "no number: 130 is kept");
    wizard.forward();
    EXPECT_EQ(wizard.steps.step(), 2);
    EXPECT_EQ(wizard.steps.KeptX.Caption, "");
    EXPECT_EQ(wizard.x(1), 130);
}

TEST(StepEntry, RefusedAnglesNameTheAngleKept) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.PSPButton);
    for (int step = 1; step <= 20; ++step) {
        wizard.forward();
    }
    wizard.type(wizard.steps.Anglebox, "135");
    wizard.type(wizard.steps.Anglebox, "40000");
    EXPECT_EQ(wizard.angle(1), 45);
    EXPECT_EQ(wizard.steps.KeptAngle.Caption, "too large: 45 is kept");
    wizard.type(wizard.steps.Anglebox, "100");
    EXPECT_EQ(wizard.steps.KeptAngle.Caption, "");

    Wizard paint;
    paint.toSteps(paint.initial.FireworksButton);
    for (int step = 1; step <= 20; ++step) {
        paint.forward();
    }
    paint.type(paint.steps.Xpos, "10");
    paint.type(paint.steps.Ypos, "10");
    EXPECT_EQ(paint.angle(1), 45);
    paint.type(paint.steps.Ypos, "1e400");
    EXPECT_EQ(paint.angle(1), 45);
    EXPECT_EQ(paint.steps.KeptY.Caption, "angle too large: 45 is kept");
    paint.type(paint.steps.Ypos, "-10");
    EXPECT_EQ(paint.angle(1), 135);
    EXPECT_EQ(paint.steps.KeptY.Caption, "");
}

TEST(StepEntry, EachStepOpensWithItsFirstBoxSelectedForTyping) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    EXPECT_TRUE(wizard.steps.Xpos.selectAllPending());
    EXPECT_EQ(wizard.steps.Xpos.Text(), "0");
    wizard.steps.Xpos.takeSelectAllRequest();
    wizard.point("200", "300");
    EXPECT_EQ(wizard.x(1), 200);
    EXPECT_TRUE(wizard.steps.Xpos.selectAllPending());
    for (int step = 2; step <= 20; ++step) {
        wizard.forward();
    }
    // Photoshop angles are typed into the angle box.
    EXPECT_TRUE(wizard.steps.Anglebox.selectAllPending());
    EXPECT_FALSE(wizard.steps.Anglebox.Locked);
    EXPECT_TRUE(wizard.steps.Anglebox.TabStop);

    Wizard paint;
    paint.toSteps(paint.initial.FireworksButton);
    for (int step = 1; step <= 20; ++step) {
        paint.forward();
    }
    paint.steps.Xpos.takeSelectAllRequest();
    paint.forward();
    // In Paint mode dX comes first; the reckoned angle takes no typing and no Tab stop.
    EXPECT_TRUE(paint.steps.Xpos.selectAllPending());
    EXPECT_FALSE(paint.steps.Anglebox.selectAllPending());
    EXPECT_TRUE(paint.steps.Anglebox.Locked);
    EXPECT_FALSE(paint.steps.Anglebox.TabStop);
}

TEST(StepEntry, ReturnGoesFromXToYAndFromTheLastBoxOn) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.type(wizard.steps.Xpos, "120");
    wizard.app.dispatch([&wizard] { wizard.steps.Xpos.onReturn(); });
    EXPECT_EQ(wizard.steps.step(), 1);
    EXPECT_EQ(wizard.steps.takeFocusRequest(), &wizard.steps.Ypos);
    EXPECT_TRUE(wizard.steps.Ypos.selectAllPending());
    wizard.type(wizard.steps.Ypos, "130");
    wizard.app.dispatch([&wizard] { wizard.steps.Ypos.onReturn(); });
    EXPECT_EQ(wizard.steps.step(), 2);
    EXPECT_EQ(wizard.y(1), 130);
    for (int step = 2; step <= 20; ++step) {
        wizard.forward();
    }
    wizard.app.dispatch([&wizard] { wizard.steps.Anglebox.onReturn(); });
    EXPECT_EQ(wizard.steps.step(), 22);
}

TEST(StepEntry, TabGoesThroughTheBoxesThenOnBackAndQuitLast) {
    Wizard wizard;
    std::vector<std::string> order;
    for (const forms::Control* control : wizard.steps.controls()) {
        const std::string& name = control->name();
        if (name == "Xpos" || name == "Ypos" || name == "Anglebox" || name == "GoForward" ||
            name == "GoBack" || name == "QuitButton") {
            order.push_back(name);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Xpos", "Ypos", "Anglebox", "GoForward", "GoBack",
                                               "QuitButton"}));
}
