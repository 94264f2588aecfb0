#include <gtest/gtest.h>

#include "common/text/cp1252.h"
#include "tests/transcribe/hand_face.h"
#include "tests/transcribe/wizard_fixture.h"

namespace {

void typeHandPoints(Wizard& wizard) {
    for (const auto& [x, y] : kHandPoints) {
        wizard.point(x, y);
    }
}

void typeAngles(Wizard& wizard, const std::array<const char*, 10>& angles) {
    for (const char* angle : angles) {
        wizard.type(wizard.steps.Anglebox, angle);
        wizard.forward();
    }
}

}  // namespace

TEST(FirstWindow, StartsInEnglishWithTheDesignTexts) {
    Wizard wizard;
    EXPECT_TRUE(wizard.initial.Visible());
    EXPECT_EQ(wizard.initial.Caption, "Tovrel - Data Transcription Module v1.26");
    EXPECT_EQ(wizard.initial.NameBox.Text(), "NewSampleFace");
    EXPECT_EQ(wizard.initial.JobBox.Text(), "Model");
    EXPECT_EQ(wizard.initial.HeightBox.Text(), "0");
    EXPECT_EQ(wizard.initial.URLbox.Text(), "");
    EXPECT_EQ(wizard.initial.Imperial.Caption, "=  0 ft  0 inches");
    EXPECT_EQ(wizard.steps.Caption, "Point 1");
    EXPECT_EQ(wizard.steps.Description.Caption, "Chin - lowest point");
    EXPECT_EQ(wizard.program.ScaleDistance, 9999);

    wizard.type(wizard.initial.HeightBox, "175");
    EXPECT_EQ(wizard.initial.Imperial.Caption, "=  5 ft  8.5 inches");
    wizard.type(wizard.initial.HeightBox, "");
    EXPECT_EQ(wizard.initial.Imperial.Caption, "=  5 ft  8.5 inches");
}

TEST(FirstWindow, GoesOnOnlyWithANameThatCanNameTheFile) {
    for (const char* name : {"", "   ", "a/b", "a\\b", "../x"}) {
        Wizard wizard;
        wizard.type(wizard.initial.NameBox, name);
        wizard.click(wizard.initial.photoshopButton);
        EXPECT_TRUE(wizard.initial.Visible()) << name;
        EXPECT_FALSE(wizard.colours.Visible()) << name;
        EXPECT_FALSE(wizard.program.PhotoshopMode);
        ASSERT_EQ(wizard.platform.errors.size(), 1u) << name;
        EXPECT_NE(wizard.platform.errors[0].find("name"), std::string::npos);
    }
}

TEST(FirstWindow, EachModeButtonSetsItsModeAndOnlyPaintLimitsTheColourBoxes) {
    Wizard paint;
    paint.click(paint.initial.FireworksButton);
    EXPECT_EQ(paint.program.MSPaintMode, -1);
    EXPECT_TRUE(paint.colours.Visible());
    EXPECT_FALSE(paint.initial.Visible());
    EXPECT_EQ(paint.colours.HairInputBox.MaxLength, 11);
    EXPECT_EQ(paint.colours.SkinInputBox.MaxLength, 11);

    Wizard psp;
    psp.click(psp.initial.PSPButton);
    EXPECT_TRUE(psp.program.PaintShopProMode);
    EXPECT_EQ(psp.colours.EyeInputBox.MaxLength, 0);
    Wizard illustrator;
    illustrator.click(illustrator.initial.IllustratorButton);
    EXPECT_TRUE(illustrator.program.IllustratorMode);
    EXPECT_EQ(illustrator.program.MSPaintMode, 0);
}

TEST(ColourWindow, SwatchesFollowEveryKeystroke) {
    Wizard wizard;
    wizard.click(wizard.initial.photoshopButton);
    EXPECT_EQ(wizard.colours.HairColourBox.FillColor, 0);
    wizard.type(wizard.colours.HairInputBox, "F");
    EXPECT_EQ(wizard.colours.HairColourBox.FillColor, 240);
    wizard.type(wizard.colours.HairInputBox, "FF80");
    EXPECT_EQ(wizard.colours.HairColourBox.FillColor, 255 + 256 * 128);
    // One box's digits never leak into another's.
    wizard.type(wizard.colours.EyeInputBox, "1");
    EXPECT_EQ(wizard.colours.EyeColourBox.FillColor, 16);
    EXPECT_EQ(wizard.colours.SkinColourBox.FillColor, 0);
    wizard.click(wizard.colours.ForwardButton);
    EXPECT_TRUE(wizard.steps.Visible());
    EXPECT_FALSE(wizard.colours.Visible());
}

TEST(Steps, CaptionsPicturesAndBoxesOfEachStep) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    EXPECT_EQ(wizard.steps.pos.Text(), "1");
    EXPECT_TRUE(wizard.steps.guidePicture(0).Visible);
    EXPECT_EQ(wizard.steps.guidePicture(0).Picture(), "design:guide-1");
    for (int step = 1; step < 7; ++step) {
        wizard.point("10", "20");
    }
    EXPECT_EQ(wizard.steps.Caption, "Point 7");
    EXPECT_EQ(wizard.steps.Description.Caption, "Eye - innermost edge");
    EXPECT_TRUE(wizard.steps.guidePicture(6).Visible);
    EXPECT_FALSE(wizard.steps.guidePicture(5).Visible);
    EXPECT_TRUE(wizard.steps.Xpos.Enabled);
    EXPECT_FALSE(wizard.steps.Anglebox.Enabled);
    for (int step = 7; step <= 20; ++step) {
        wizard.point("10", "20");
    }
    EXPECT_EQ(wizard.steps.Caption, "Point 21");
    EXPECT_EQ(wizard.steps.Description.Caption,
              "To the nearest degree: (all values are negative)\r\n"
              "Jawline - between mouth and chin y value");
    EXPECT_TRUE(wizard.steps.Anglebox.Enabled);
    EXPECT_FALSE(wizard.steps.Xpos.Enabled);
    EXPECT_FALSE(wizard.steps.LabelY.Enabled);
    EXPECT_EQ(wizard.steps.LabelX.Caption, "X");
    EXPECT_EQ(wizard.steps.GoForward.Caption, ">>");
    for (int step = 21; step < 30; ++step) {
        wizard.forward();
    }
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Done");
    EXPECT_TRUE(wizard.steps.guidePicture(29).Visible);
    EXPECT_FALSE(wizard.steps.Dir1.Visible);
    EXPECT_TRUE(wizard.steps.Description.Visible);
    wizard.forward();
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
    EXPECT_EQ(wizard.steps.Caption, "Save as...");
    EXPECT_TRUE(wizard.steps.Dir1.Visible);
    EXPECT_TRUE(wizard.steps.File1.Visible);
    EXPECT_TRUE(wizard.steps.Savelabel.Visible);
    EXPECT_EQ(wizard.steps.Savelabel.Caption,
              "Choose the folder to save this data alongside your other Tovrel sample data.");
    EXPECT_FALSE(wizard.steps.GoBack.Visible);
    EXPECT_FALSE(wizard.steps.QuitButton.Visible);
    EXPECT_FALSE(wizard.steps.guidePicture(29).Visible);
    EXPECT_FALSE(wizard.steps.Xpos.Visible);
    EXPECT_FALSE(wizard.steps.Anglebox.Visible);
    // The last angle's measuring text does not stand above the folder boxes.
    EXPECT_FALSE(wizard.steps.Description.Visible);
    EXPECT_EQ(wizard.steps.File1.Pattern(), "*.txt");
}

TEST(Steps, EntryRulesStoreMagnitudesAndBeepAtWhatTheyRefuse) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.type(wizard.steps.Xpos, "-25");
    wizard.type(wizard.steps.Ypos, "12.5");
    EXPECT_EQ(wizard.x(1), 25);
    EXPECT_EQ(wizard.y(1), 12);
    EXPECT_EQ(wizard.platform.beeps, 0);
    wizard.type(wizard.steps.Ypos, "13.5");
    EXPECT_EQ(wizard.y(1), 14);
    // 0, an empty box, no number and a value beyond 16 bits beep and keep the value.
    for (const char* refused : {"0", "", "abc", "40000", "-32768"}) {
        const int beeps = wizard.platform.beeps;
        wizard.type(wizard.steps.Xpos, refused);
        EXPECT_EQ(wizard.x(1), 25) << refused;
        EXPECT_EQ(wizard.platform.beeps, beeps + 1) << refused;
    }
    // Showing a step again sets its boxes without a beep or a store.
    wizard.forward();
    const int beeps = wizard.platform.beeps;
    wizard.back();
    EXPECT_EQ(wizard.steps.Xpos.Text(), "25");
    EXPECT_EQ(wizard.platform.beeps, beeps);
}

TEST(Steps, EyebrowTopAndNoseTipPrefillTheirFollowersUntilTheseAreTyped) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.point("10", "600");
    wizard.point("20", "400");
    wizard.point("70", "350");   // step 3: point 12 follows
    wizard.point("100", "480");  // step 4: points 16 and 17 follow
    EXPECT_EQ(wizard.x(12), 70);
    EXPECT_EQ(wizard.x(16), 100);
    EXPECT_EQ(wizard.x(17), 100);
    for (int step = 5; step < 16; ++step) {
        wizard.forward();
    }
    EXPECT_EQ(wizard.steps.Xpos.Text(), "100");  // step 16 opens prefilled
    wizard.point("90", "560");
    // Back to step 4: a new nose tip moves point 17 along, not the typed point 16.
    while (wizard.steps.step() > 4) {
        wizard.back();
    }
    wizard.type(wizard.steps.Xpos, "105");
    EXPECT_EQ(wizard.x(4), 105);
    EXPECT_EQ(wizard.x(16), 90);
    EXPECT_EQ(wizard.x(17), 105);
    // The copy is taken even as 0, while the nose tip itself keeps its value.
    wizard.type(wizard.steps.Xpos, "0");
    EXPECT_EQ(wizard.x(4), 105);
    EXPECT_EQ(wizard.x(17), 0);
}

TEST(Steps, GoingBackAndForthLeavesEveryValueAsTyped) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.PSPButton);
    typeHandPoints(wizard);
    typeAngles(wizard, {"125", "110", "90", "0", "270", "135", "45", "300", "100", "160"});
    const transcribe::RawPoints points = wizard.program.PointCoords;
    const std::array<std::int16_t, 10> angles{35, 20, 0, 90, 0, 45, 135, 30, 10, 70};
    EXPECT_EQ(wizard.program.StepAngles, angles);
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
    // The save step has no back button; walk back from step 30 to step 1 and forward again.
    wizard.steps.pos.setText("30");
    wizard.app.dispatch([&wizard] { wizard.steps.ShowStep(); });
    while (wizard.steps.step() > 1) {
        wizard.back();
    }
    EXPECT_EQ(wizard.steps.Xpos.Text(), "100");
    while (wizard.steps.step() < 31) {
        wizard.forward();
    }
    EXPECT_EQ(wizard.program.PointCoords, points);
    // A Paint Shop Pro angle shown again is never converted a second time.
    EXPECT_EQ(wizard.program.StepAngles, angles);
}

TEST(Steps, BackFromTheFirstStepReturnsToTheColours) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.photoshopButton);
    wizard.point("10", "20");
    wizard.back();
    wizard.back();
    EXPECT_TRUE(wizard.colours.Visible());
    EXPECT_FALSE(wizard.steps.Visible());
    wizard.click(wizard.colours.ForwardButton);
    EXPECT_EQ(wizard.steps.step(), 1);
    EXPECT_EQ(wizard.steps.Xpos.Text(), "10");
    EXPECT_EQ(wizard.steps.Caption, "Point 1");
}

TEST(Steps, UntypedAngleStepsKeepTheirValueInEveryMode) {
    for (const auto mode :
         {&transcribe::InitialWindow::PSPButton, &transcribe::InitialWindow::FireworksButton}) {
        Wizard wizard;
        wizard.toSteps(wizard.initial.*mode);
        for (int step = 1; step <= 30; ++step) {
            wizard.forward();
        }
        EXPECT_EQ(wizard.program.StepAngles, (std::array<std::int16_t, 10>{}));
    }
}

TEST(Steps, PaintAnglesComeFromTheDeltas) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.FireworksButton);
    for (int step = 1; step <= 20; ++step) {
        wizard.forward();
    }
    EXPECT_EQ(wizard.steps.LabelX.Caption, "dX");
    EXPECT_EQ(wizard.steps.LabelY.Caption, "dY");
    EXPECT_TRUE(wizard.steps.Xpos.Enabled);
    EXPECT_TRUE(wizard.steps.Anglebox.Enabled);
    wizard.type(wizard.steps.Xpos, "10");
    wizard.type(wizard.steps.Ypos, "-10");
    EXPECT_EQ(wizard.angle(1), 135);
    EXPECT_EQ(wizard.steps.Anglebox.Text(), "135");
    // An angle typed straight into its box stores nothing in Paint mode.
    wizard.type(wizard.steps.Anglebox, "40");
    EXPECT_EQ(wizard.angle(1), 135);
    wizard.forward();
    // A vertical line.
    wizard.type(wizard.steps.Xpos, "0");
    wizard.type(wizard.steps.Ypos, "7");
    EXPECT_EQ(wizard.angle(2), 90);
    // The points typed before stay as they were.
    EXPECT_EQ(wizard.x(20), 0);
}

TEST(Steps, IllustratorAnglesAreStoredAsTyped) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.IllustratorButton);
    for (int step = 1; step <= 20; ++step) {
        wizard.forward();
    }
    typeAngles(wizard, {"35", "-20", "15.5", "12.5", "5", "40", "30", "12", "8", "70"});
    EXPECT_EQ(wizard.program.StepAngles,
              (std::array<std::int16_t, 10>{35, 20, 16, 12, 5, 40, 30, 12, 8, 70}));
}

TEST(Steps, AnAngleBeyondSixteenBitsIsRefusedAfterItsConversion) {
    Wizard wizard;
    wizard.toSteps(wizard.initial.PSPButton);
    for (int step = 1; step <= 20; ++step) {
        wizard.forward();
    }
    wizard.type(wizard.steps.Anglebox, "135");
    EXPECT_EQ(wizard.angle(1), 45);
    const int beeps = wizard.platform.beeps;
    wizard.type(wizard.steps.Anglebox, "40000");  // 39910 after the conversion
    EXPECT_EQ(wizard.angle(1), 45);
    EXPECT_EQ(wizard.platform.beeps, beeps + 1);
    // Typed over the "0" a fresh step shows, "0" is still a Paint Shop Pro 0: a vertical line.
    wizard.forward();
    ASSERT_EQ(wizard.steps.Anglebox.Text(), "0");
    wizard.type(wizard.steps.Anglebox, "0");
    EXPECT_EQ(wizard.angle(2), 90);
}
