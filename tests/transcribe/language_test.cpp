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
    EXPECT_EQ(wizard.initial.photoshopButton.Caption, "Photoshop, ImageReady >>");
    wizard.toSteps(wizard.initial.photoshopButton);
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

namespace {

// A wizard started with one string file, whose line 1 and line 18 are given, for the language
// number.
struct StartedIn {
    Wizard wizard{false};
    StartedIn(const char* number, const std::string& fileName, const std::string& line1,
              const std::string& line18 = "L18") {
        std::string file = line1 + "\r\n";
        for (int line = 2; line <= 57; ++line) {
            file += (line == 18 ? line18 : "L" + std::to_string(line)) + "\r\n";
        }
        wizard.folder.write("language.txt", number);
        wizard.folder.write(fileName, file);
        wizard.start();
    }
};

}  // namespace

TEST(WizardLanguageCodePages, EachLanguageIsReadInItsOwnWindowsCodePage) {
    // "Модуль" in Windows-1251 is shown as Cyrillic, not as Windows-1252 letters.
    const StartedIn russian("8", "TranscribeStrings_ru.txt", "\xCC\xEE\xE4\xF3\xEB\xFC");
    EXPECT_EQ(russian.wizard.initial.Caption, "\xD0\x9C\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBB\xD1\x8C");
    EXPECT_EQ(russian.wizard.initial.FirstLabel.Caption, "L2");
    // Polish in Windows-1250: "Wysokość".
    const StartedIn polish("7", "TranscribeStrings_po.txt", "Wysoko\x9C\xE6");
    EXPECT_EQ(polish.wizard.initial.Caption, "Wysoko\xC5\x9B\xC4\x87");
    // Japanese in code page 932 (a trail byte "O" included): "名前".
    const StartedIn japanese("11", "TranscribeStrings_jp.txt", "\x96\xBC\x91\x4F");
    EXPECT_EQ(japanese.wizard.initial.Caption, "\xE5\x90\x8D\xE5\x89\x8D");
    // Korean in code page 949: "이름".
    const StartedIn korean("10", "TranscribeStrings_kr.txt", "\xC0\xCC\xB8\xA7");
    EXPECT_EQ(korean.wizard.initial.Caption, "\xEC\x9D\xB4\xEB\xA6\x84");
    // Every other language in Windows-1252: "Numéro".
    const StartedIn french("1", "TranscribeStrings_fr.txt", "Num\xE9ro");
    EXPECT_EQ(french.wizard.initial.Caption, "Num\xC3\xA9ro");
}

TEST(WizardLanguageCodePages, AFileValidAsUtf8IsReadAsUtf8WithoutItsMark) {
    const StartedIn russian("8", "TranscribeStrings_ru.txt",
                            "\xEF\xBB\xBF\xD0\x9C\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBB\xD1\x8C");
    EXPECT_EQ(russian.wizard.initial.Caption, "\xD0\x9C\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBB\xD1\x8C");
    const StartedIn german("4", "TranscribeStrings_de.txt", "Gr\xC3\xB6\xC3\x9F\x65");
    EXPECT_EQ(german.wizard.initial.Caption, "Gr\xC3\xB6\xC3\x9F\x65");
    // The step captions and words are the file's too.
    EXPECT_EQ(german.wizard.program.Words.StepCaptions[0], "L28");
}

TEST(WizardLanguageCodePages, TheNameLineIsHeldInWindows1252LikeATypedName) {
    // A UTF-8 "é" is one character of the name, not two.
    const StartedIn utf8("4", "TranscribeStrings_de.txt", "Titel", "Ren\xC3\xA9");
    EXPECT_EQ(utf8.wizard.initial.NameBox.Text(), "Ren\xE9");
    const StartedIn cp1252("1", "TranscribeStrings_fr.txt", "Titre", "Ren\xE9");
    EXPECT_EQ(cp1252.wizard.initial.NameBox.Text(), "Ren\xE9");
    const StartedIn polish("7", "TranscribeStrings_po.txt", "Tytu\xB3", "\x8Cwi\xEAty");
    // "Święty" has no Windows-1252 form: the box shows it as it is.
    EXPECT_EQ(polish.wizard.initial.NameBox.Text(), "\xC5\x9Awi\xC4\x99ty");
}

TEST(WizardLanguageCodePages, ANameLineWithoutAWindows1252FormIsRefusedUntilRetyped) {
    StartedIn russian("8", "TranscribeStrings_ru.txt", "L1", "\xC8\xE2\xE0\xED");
    Wizard& wizard = russian.wizard;
    // Shown as the Cyrillic it is.
    EXPECT_EQ(wizard.initial.NameBox.Text(), "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    wizard.click(wizard.initial.photoshopButton);
    EXPECT_FALSE(wizard.colours.Visible());
    ASSERT_EQ(wizard.platform.errors.size(), 1u);
    EXPECT_NE(wizard.platform.errors[0].find("Windows-1252"), std::string::npos);
    wizard.type(wizard.initial.NameBox, "Ivan");
    wizard.click(wizard.initial.photoshopButton);
    EXPECT_TRUE(wizard.colours.Visible());
}
