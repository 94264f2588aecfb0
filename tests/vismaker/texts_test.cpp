#include <gtest/gtest.h>

#include "tests/vismaker/vismaker_fixture.h"
#include "vismaker/language/vismaker_texts.h"

using common::language::StringEntries;
using common::language::StringFileForm;
using vismaker::VismakerTexts;

namespace {

VismakerTexts applied(StringFileForm form, std::vector<std::string> entries) {
    VismakerTexts texts = vismaker::englishTexts();
    vismaker::applyStringEntries(StringEntries(form, std::move(entries)), texts);
    return texts;
}

}  // namespace

// Text form: the header's two entries join directly, the end message's with CR LF; the block
// form the other way round, its entries with their CRs.
TEST(VismakerTexts, TwoPartTextsJoinAsTheirFormSays) {
    const VismakerTexts text = applied(StringFileForm::Text, {"H1 ", "H2", "E1", "E2"});
    EXPECT_EQ(text.LogHeader, "H1 H2");
    EXPECT_EQ(text.EndMessage, "E1\r\nE2");
    const VismakerTexts block = applied(StringFileForm::Block, {"H1\r", "H2\r", "E1\r", "E2\r"});
    EXPECT_EQ(block.LogHeader, "H1\rH2\r\r\n");
    EXPECT_EQ(block.EndMessage, "E1\rE2\r");
    EXPECT_EQ(block.CheckingText, " files. Checking...");
}

// A file that ends between the two parts of a text leaves that text English; every single text
// read changes.
TEST(VismakerTexts, TextsTheFileDoesNotReachStayEnglish) {
    const VismakerTexts english = vismaker::englishTexts();
    const VismakerTexts one = applied(StringFileForm::Text, {"H1"});
    EXPECT_EQ(one.LogHeader, english.LogHeader);
    const VismakerTexts three = applied(StringFileForm::Text, {"H1", "H2", "E1"});
    EXPECT_EQ(three.LogHeader, "H1H2");
    EXPECT_EQ(three.EndMessage, english.EndMessage);
    const VismakerTexts all = applied(
        StringFileForm::Text, {"", "", "", "", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
    EXPECT_EQ(all.LogHeader, "");
    EXPECT_EQ(all.CheckingText, "5");
    EXPECT_EQ(all.NoFilesText, "6");
    EXPECT_EQ(all.ErrorPrefix, "7");
    EXPECT_EQ(all.MissingText, "8");
    EXPECT_EQ(all.CalculatingText, "9");
    EXPECT_EQ(all.SelectAllCaption, "10");
    EXPECT_EQ(all.SaveLogCaption, "11");
    EXPECT_EQ(all.BrowseHeadingCaption, "12");
    EXPECT_EQ(all.ShowPicsCaption, "13");
}

// 7 is Portuguese here; a number beyond 16 bits, or one outside the table, keeps English.
TEST(VismakerTexts, LanguageNumberPicksTheFile) {
    TempFolder start;
    start.write("VismakerStrings_pt.txt",
                "title\r\nh1\r\nh2\r\ne1\r\ne2\r\n5\r\n6\r\n7\r\n8\r\n9\r\nTudo\r\n");
    start.write("language.txt", "7\r\n");
    EXPECT_EQ(vismaker::loadTexts(start.text()).SelectAllCaption, "Tudo");
    EXPECT_EQ(vismaker::loadTexts(start.text()).SaveLogCaption, "Save 'Picturelog.log'");
    for (const char* number : {"65543", "14", "0"}) {
        start.write("language.txt", number);
        EXPECT_EQ(vismaker::loadTexts(start.text()).SelectAllCaption, "Select all") << number;
    }
}

// The window takes its captions from the chosen language, UTF-8 words of a block-form file
// included, and its messages carry the CR of the file's line ends.
TEST(VismakerTexts, WindowShowsTheChosenLanguage) {
    TempFolder start;
    start.write("language.txt", "9");
    start.write("VismakerStrings_ru.txt",
                common::readWholeFile(kVismakerData + "/strings/VismakerStrings_ru.txt"));
    FreshVismaker program(start.text());
    EXPECT_EQ(
        program.window.selectAllButton.Caption,
        "\xD0\x92\xD1\x8B\xD0\xB1\xD1\x80\xD0\xB0\xD1\x82\xD1\x8C \xD0\xB2\xD1\x81\xD0\xB5\r");
    EXPECT_TRUE(program.window.Texts.ErrorPrefix.ends_with("! \r"));
    TempFolder data;
    program.open(data.text());
    program.press();
    EXPECT_TRUE(program.window.statusMessage.Caption.ends_with(".\r"));
}

// Beside UTF-8 words a face's name is shown in UTF-8 too, so the caption and the log read whole.
TEST(VismakerTexts, NamesBesideUtf8WordsAreShownInUtf8) {
    TempFolder start;
    start.write("language.txt", "9");
    start.write("VismakerStrings_ru.txt",
                common::readWholeFile(kVismakerData + "/strings/VismakerStrings_ru.txt"));
    TempFolder data;
    data.write("Zo\xEB.txt", common::readWholeFile(kVismakerData + "/faces/Anna.txt"));
    data.write(
        "Zo\xEB"
        "1.jpg",
        "");
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    EXPECT_NE(program.window.statusMessage.Caption.find("Zo\xC3\xAB"
                                                        "3.jpg"),
              std::string::npos)
        << program.window.statusMessage.Caption;
    data.write(
        "Zo\xEB"
        "3.jpg",
        "");
    program.press();
    ASSERT_TRUE(program.finished());
    EXPECT_TRUE(program.window.progressLabel.Caption.ends_with("Zo\xC3\xAB"));
    EXPECT_NE(program.window.LogBox.Text().find("Zo\xC3\xAB\r\n"), std::string::npos);
}
