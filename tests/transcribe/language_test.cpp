#include <gtest/gtest.h>

#include "tests/transcribe/wizard_fixture.h"

namespace {

std::string stringFile(int lines) {
    std::string text;
    for (int line = 1; line <= lines; ++line) {
        text += "L" + std::to_string(line) + "\r\n";
    }
    return text;
}

}  // namespace

TEST(WizardLanguage, EightIsRussianHereAndEveryEntryFindsItsPlace) {
    Wizard wizard(false);
    wizard.folder.write("language.txt", "8\r\n");
    wizard.folder.write("TranscribeStrings_po.txt", "wrong\r\n");
    wizard.folder.write("TranscribeStrings_ru.txt", stringFile(57));
    wizard.start();
    const transcribe::TranscribeProgram& program = wizard.program;
    EXPECT_EQ(wizard.initial.Caption, "L1");
    EXPECT_EQ(wizard.initial.FirstLabel.Caption, "L2");
    EXPECT_EQ(wizard.initial.Joblabel.Caption, "L4");
    EXPECT_EQ(wizard.initial.LoadPhotoshop.Caption, "L6");
    EXPECT_EQ(wizard.initial.NoteLabel.Caption, "L11");
    EXPECT_EQ(wizard.steps.QuitButton.Caption, "L12");
    EXPECT_EQ(wizard.steps.Savelabel.Caption, "L17");
    EXPECT_EQ(wizard.initial.NameBox.Text(), "L18");
    EXPECT_EQ(program.Words.AnglePrefix, "L19\r\n");
    EXPECT_EQ(wizard.colours.Caption, "L20");
    EXPECT_EQ(wizard.colours.SkinLabel.Caption, "L23");
    EXPECT_EQ(wizard.colours.ColourInstructions.Caption, "L24");
    EXPECT_EQ(program.ErrorForm.Caption, "L25");
    EXPECT_EQ(program.ErrorForm.Errorlabel.Caption, "L26");
    EXPECT_EQ(program.Words.StepCaptions[0], "L28");
    EXPECT_EQ(program.Words.StepCaptions[29], "L57");
    // Words shown later: the height echo once the height changes, the step window's captions.
    EXPECT_EQ(wizard.initial.Imperial.Caption, "=  0 ft  0 inches");
    wizard.type(wizard.initial.HeightBox, "175");
    EXPECT_EQ(wizard.initial.Imperial.Caption, "=  5 L7  8.5 L8");
    EXPECT_EQ(wizard.steps.Caption, "L13 1");
    EXPECT_EQ(wizard.steps.Description.Caption, "L28");
    // The buttons keep their captions.
    EXPECT_EQ(wizard.initial.ContinueBox.Caption, "Photoshop, ImageReady >>");
    wizard.toSteps(wizard.initial.ContinueBox);
    for (int step = 1; step < 30; ++step) {
        wizard.forward();
    }
    EXPECT_EQ(wizard.steps.GoForward.Caption, "L14");
    wizard.forward();
    EXPECT_EQ(wizard.steps.GoForward.Caption, "L15");
    EXPECT_EQ(wizard.steps.Caption, "L16");
}

TEST(WizardLanguage, AShortFileLeavesTheRestEnglish) {
    Wizard wizard(false);
    wizard.folder.write("language.txt", "4");
    std::string file = stringFile(18) + "\r\n";  // line 19 empty
    wizard.folder.write("TranscribeStrings_de.txt", file);
    wizard.start();
    EXPECT_EQ(wizard.program.Words.AnglePrefix, "\r\n");
    EXPECT_EQ(wizard.colours.Caption, "Colours");
    EXPECT_EQ(wizard.program.Words.StepCaptions[0], "Chin - lowest point");
    EXPECT_EQ(wizard.program.ErrorForm.Errorlabel.Caption, "Division by zero");
}

TEST(WizardLanguage, EnglishStaysWithoutAFileOrANumberOfTheTable) {
    for (const char* number : {"12", "0", ""}) {
        Wizard wizard(false);
        wizard.folder.write("language.txt", number);
        wizard.folder.write("TranscribeStrings_fr.txt", stringFile(57));
        wizard.start();
        EXPECT_EQ(wizard.initial.Caption, "Tovrel - Data Transcription Module v1.26") << number;
        EXPECT_TRUE(wizard.platform.errors.empty());
    }
    Wizard missing(false);
    missing.folder.write("language.txt", "3");
    missing.start();
    EXPECT_EQ(missing.initial.NameLabel.Caption, "Name (must be unique) :");
}
