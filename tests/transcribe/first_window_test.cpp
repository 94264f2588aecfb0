#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "tests/transcribe/wizard_fixture.h"
#include "transcribe/name_rules.h"

namespace {

using Box = forms::TextBox transcribe::InitialWindow::*;

// Types each text into its box and presses the Photoshop button; the error given, if any.
std::string refusalOf(std::initializer_list<std::pair<Box, std::string>> typed) {
    const std::string& name = typed.begin()->second;
    Wizard wizard;
    for (const auto& [box, text] : typed) {
        wizard.type(wizard.initial.*box, text);
    }
    wizard.click(wizard.initial.photoshopButton);
    if (wizard.platform.errors.empty()) {
        EXPECT_TRUE(wizard.colours.Visible()) << name;
        return {};
    }
    EXPECT_TRUE(wizard.initial.Visible()) << name;
    EXPECT_FALSE(wizard.colours.Visible()) << name;
    EXPECT_FALSE(wizard.program.PhotoshopMode) << name;
    EXPECT_EQ(wizard.platform.errors.size(), 1u);
    return wizard.platform.errors.front();
}

std::string refusalOf(const std::string& name, const std::string& height = "0") {
    return refusalOf({{&transcribe::InitialWindow::NameBox, name},
                      {&transcribe::InitialWindow::HeightBox, height}});
}

}  // namespace

TEST(FirstWindow, OpensWithTheWholeNameSelectedForTyping) {
    Wizard wizard;
    EXPECT_EQ(wizard.initial.takeFocusRequest(), &wizard.initial.NameBox);
    EXPECT_TRUE(wizard.initial.NameBox.selectAllPending());
}

// A name of nothing but blanks names no file a user could find, whatever the blanks are.
TEST(FirstWindowNames, BlankNamesAreRefusedLikeAnEmptyOne) {
    for (const char* name : {"\xA0\xA0", " \xA0 ", "\xA0", "\t", " \r\n "}) {
        EXPECT_NE(refusalOf(name).find("Please type the person's name"), std::string::npos) << name;
    }
    EXPECT_EQ(refusalOf(std::string("\xA0") + "Ann\xA0"), "");
}

// Each value takes one line of the face file: a pasted line break is refused at ">>", naming the
// box, even where the value would read as a number.
TEST(FirstWindowLineBreaks, EachBoxRefusesThemNamingTheBox) {
    const std::pair<Box, const char*> boxes[] = {
        {&transcribe::InitialWindow::JobBox, "\"Profession and nationality\" box"},
        {&transcribe::InitialWindow::HeightBox, "\"Height\" box"},
        {&transcribe::InitialWindow::URLbox, "\"Website URL\" box"}};
    for (const auto& [box, words] : boxes) {
        for (const char* lineBreak : {"\r", "\n", "\r\n"}) {
            const std::string refusal = refusalOf({{&transcribe::InitialWindow::NameBox, "Jane"},
                                                   {box, std::string("172") + lineBreak + "5"}});
            EXPECT_NE(refusal.find(words), std::string::npos) << words;
            EXPECT_NE(refusal.find("line break"), std::string::npos) << words;
        }
    }
    EXPECT_NE(refusalOf("Jane\nDoe").find("line break"), std::string::npos);
    // Other control characters of these boxes are no line end of the file.
    EXPECT_EQ(refusalOf({{&transcribe::InitialWindow::NameBox, "Jane"},
                         {&transcribe::InitialWindow::JobBox, "Singer\tBritish"}}),
              "");
}

TEST(FirstWindowNames, HiddenNamesAreRefusedSayingWhy) {
    for (const char* name : {".Hidden Face", ".", "..", "  .Hidden"}) {
        EXPECT_NE(refusalOf(name).find("cannot begin with \".\""), std::string::npos) << name;
    }
    // A dot further in is an ordinary name.
    EXPECT_EQ(refusalOf("J. R. Smith."), "");
}

TEST(FirstWindowNames, ControlCharactersAreRefusedSayingWhy) {
    for (const std::string& name : {std::string("Ann\tLee"), std::string("Ann\x7FLee"),
                                    std::string("Ann\x1FLee"), std::string("\tAnn")}) {
        EXPECT_NE(refusalOf(name).find("control character"), std::string::npos);
    }
    // Code 128 and above are letters of Windows-1252, not controls.
    EXPECT_EQ(refusalOf("Ann \x80 Lee"), "");
}

TEST(FirstWindowNames, TheFifthPhotoNameMustFitTwoHundredAndFiftyFiveBytes) {
    // 250 characters leave "<name>4.jpg" at 255 bytes: the longest name that is taken.
    EXPECT_EQ(refusalOf(std::string(250, 'a')), "");
    EXPECT_NE(refusalOf(std::string(251, 'a')).find("too long"), std::string::npos);
    EXPECT_NE(refusalOf(std::string(260, 'a')).find("too long"), std::string::npos);
    // Blanks around the name are not counted.
    EXPECT_EQ(refusalOf("  " + std::string(250, 'a') + "  "), "");
    // Written in UTF-8, "\xE9" takes 2 bytes and "\x80" (the euro sign) 3.
    EXPECT_EQ(refusalOf(std::string(248, 'a') + "\xE9"), "");
    EXPECT_NE(refusalOf(std::string(249, 'a') + "\xE9").find("too long"), std::string::npos);
    EXPECT_EQ(refusalOf(std::string(247, 'a') + "\x80"), "");
    EXPECT_NE(refusalOf(std::string(248, 'a') + "\x80").find("too long"), std::string::npos);
}

TEST(FirstWindowNames, TheRulesAreTheSameForEveryModeButton) {
    Wizard wizard;
    wizard.type(wizard.initial.NameBox, ".x");
    for (forms::CommandButton* mode :
         {&wizard.initial.photoshopButton, &wizard.initial.FireworksButton,
          &wizard.initial.PSPButton, &wizard.initial.IllustratorButton}) {
        wizard.click(*mode);
        EXPECT_FALSE(wizard.colours.Visible()) << mode->key();
    }
    EXPECT_EQ(wizard.platform.errors.size(), 4u);
    EXPECT_EQ(transcribe::nameRefusal(" Jane "), std::nullopt);
}

TEST(FirstWindowHeight, ValuesTheAnalysisCannotReadAreRefusedAtGoingOn) {
    for (const char* height : {"-170", "-0.4", "0.4", "999999", "32767.6", "1e400"}) {
        const std::string refusal = refusalOf("Jane", height);
        EXPECT_NE(refusal.find("height"), std::string::npos) << height;
        EXPECT_NE(refusal.find(height), std::string::npos) << height;
    }
    // 0, nothing or no number write no height line; anything else is written as typed.
    for (const char* height : {"0", "", "abc", "0,5", "1", "172", "172.5", "12abc", "32767"}) {
        EXPECT_EQ(refusalOf("Jane", height), "") << height;
    }
}

TEST(ColourWindowHash, AColourWrittenWithItsHashIsReadWhole) {
    Wizard wizard;
    wizard.click(wizard.initial.photoshopButton);
    wizard.type(wizard.colours.HairInputBox, "#3B6EA5");
    EXPECT_EQ(wizard.colours.HairColourBox.FillColor, 0x3B + 256 * 0x6E + 65536 * 0xA5);

    Wizard paint;
    paint.click(paint.initial.FireworksButton);
    paint.type(paint.colours.EyeInputBox, "#3B6EA5");
    EXPECT_EQ(paint.colours.EyeColourBox.FillColor, 0x3B + 256 * 0x6E + 65536 * 0xA5);
    // The 11 characters of Paint mode count the "#".
    EXPECT_EQ(paint.colours.EyeInputBox.MaxLength, 11);
}
