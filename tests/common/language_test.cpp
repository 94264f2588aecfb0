#include <gtest/gtest.h>

#include <string>

#include "common/language/code_page.h"
#include "common/language/language_number.h"
#include "common/language/string_file.h"
#include "common/text/utf8.h"
#include "string_files.h"
#include "temp_folder.h"

using common::language::BlockLineEnd;
using common::language::StringEntries;
using common::language::StringFileForm;
using common::language::StringFileLayout;

namespace {

constexpr StringFileLayout kAnalysis{
    "AnalysisStrings_",  common::language::kAnalysisLanguages, 110, false, 6000,
    BlockLineEnd::DropCr};
// The statistics builder's: a title line in both forms, CR kept in block entries.
constexpr StringFileLayout kBuilder{
    "VismakerStrings_", common::language::kAnalysisLanguages, 14, true, 1600, BlockLineEnd::KeepCr};
constexpr StringFileLayout kWizard{
    "TranscribeStrings_", common::language::kTranscribeLanguages, 57, false, 0,
    BlockLineEnd::DropCr};

std::optional<std::int16_t> numberOf(const std::string& firstLine) {
    TempFolder folder;
    folder.write("language.txt", firstLine);
    return common::language::readLanguageNumber(folder.text());
}

}  // namespace

TEST(LanguageNumber, FirstLineRoundedHalvesToEven) {
    EXPECT_EQ(numberOf("4\r\n"), 4);
    EXPECT_EQ(numberOf("4.5\r\n13\r\n"), 4);
    EXPECT_EQ(numberOf("5.5"), 6);
    EXPECT_EQ(numberOf(" 9 Russian\r\n"), 9);
    EXPECT_EQ(numberOf("Deutsch\r\n"), 0);
}

TEST(LanguageNumber, EnglishStaysWhenTheFileGivesNoNumber) {
    EXPECT_EQ(numberOf(""), std::nullopt);
    EXPECT_EQ(numberOf("40000\r\n"), std::nullopt);
    TempFolder folder;
    EXPECT_EQ(common::language::readLanguageNumber(folder.text()), std::nullopt);
    folder.subfolder("language.txt");
    EXPECT_EQ(common::language::readLanguageNumber(folder.text()), std::nullopt);
}

TEST(StringFileChoice, EachProgramKeepsItsOwnNumbers) {
    using common::language::chooseStringFile;
    EXPECT_EQ(chooseStringFile(kAnalysis, 4)->fileName, "AnalysisStrings_de.txt");
    EXPECT_EQ(chooseStringFile(kAnalysis, 4)->form, StringFileForm::Text);
    EXPECT_EQ(chooseStringFile(kAnalysis, 7)->fileName, "AnalysisStrings_pt.txt");
    EXPECT_EQ(chooseStringFile(kAnalysis, 8)->fileName, "AnalysisStrings_po.txt");
    EXPECT_EQ(chooseStringFile(kAnalysis, 8)->form, StringFileForm::Block);
    EXPECT_EQ(chooseStringFile(kAnalysis, 13)->fileName, "AnalysisStrings_cn.txt");
    EXPECT_EQ(chooseStringFile(kBuilder, 9)->fileName, "VismakerStrings_ru.txt");
    EXPECT_EQ(chooseStringFile(kWizard, 7)->fileName, "TranscribeStrings_po.txt");
    EXPECT_EQ(chooseStringFile(kWizard, 8)->fileName, "TranscribeStrings_ru.txt");
    EXPECT_EQ(chooseStringFile(kWizard, 8)->form, StringFileForm::CodePageText);
    for (const std::int16_t outside : {0, 14, -1}) {
        EXPECT_EQ(chooseStringFile(kAnalysis, outside), std::nullopt);
    }
    EXPECT_EQ(chooseStringFile(kWizard, 12), std::nullopt);
}

TEST(TextForm, EntryByLineUpToTheEndOfTheFile) {
    const StringEntries entries =
        common::language::readTextForm("Un\r\n\r\nTrois\nQuatre", kAnalysis);
    EXPECT_EQ(entries.form(), StringFileForm::Text);
    ASSERT_EQ(entries.count(), 4);
    EXPECT_EQ(entries.entry(1), "Un");
    EXPECT_EQ(entries.entry(2), "");  // an empty line empties its word
    EXPECT_EQ(entries.entry(3), "Trois");
    EXPECT_EQ(entries.entry(4), "Quatre");
    EXPECT_EQ(entries.entry(5), std::nullopt);
    EXPECT_EQ(entries.entry(0), std::nullopt);
    // Bytes beyond ASCII stay as they are.
    EXPECT_EQ(common::language::readTextForm("Pr\xE9\x66\xE9rences\r\n", kAnalysis).entry(1),
              "Pr\xE9\x66\xE9rences");
}

TEST(TextForm, TitleLineAndLineCount) {
    std::string file = "Title\r\n";
    for (int line = 1; line <= 20; ++line) {
        file += "e" + std::to_string(line) + "\r\n";
    }
    const StringEntries builder = common::language::readTextForm(file, kBuilder);
    ASSERT_EQ(builder.count(), 13);
    EXPECT_EQ(builder.entry(1), "e1");
    EXPECT_EQ(builder.entry(13), "e13");
    const StringEntries analysis = common::language::readTextForm(file, kAnalysis);
    EXPECT_EQ(analysis.entry(1), "Title");
    EXPECT_EQ(analysis.count(), 21);
    EXPECT_EQ(common::language::readTextForm("", kAnalysis).count(), 0);
}

TEST(BlockForm, EntriesBetweenLineFeedsAsUtf8) {
    const std::string file = blockStringFile(
        u"Title line\r\n\u0420\u0443\u0441\u0441\u043A\u0438\u0439\r\n\u4E2D\u6587\r\n"
        u"\r\nKeeps last\nG\U0001D11E\r\nafter the last",
        6000);
    const std::optional<StringEntries> entries = common::language::readBlockForm(file, kAnalysis);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->form(), StringFileForm::Block);
    ASSERT_EQ(entries->count(), 5);
    EXPECT_EQ(entries->entry(1), "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
    EXPECT_EQ(entries->entry(2), "\xE4\xB8\xAD\xE6\x96\x87");
    EXPECT_EQ(entries->entry(3), "");
    // A line ended by LF alone keeps its last letter.
    EXPECT_EQ(entries->entry(4), "Keeps last");
    EXPECT_EQ(entries->entry(5), "G\xF0\x9D\x84\x9E");
    // The text after the last LF is no entry.
    EXPECT_EQ(entries->entry(6), std::nullopt);
}

TEST(BlockForm, TheBuilderKeepsItsCr) {
    const std::optional<StringEntries> entries = common::language::readBlockForm(
        blockStringFile(u"T\r\nFichiers\r\nFin\nx", 1600), kBuilder);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->count(), 2);
    EXPECT_EQ(entries->entry(1), "Fichiers\r");
    EXPECT_EQ(entries->entry(2), "Fin");
}

TEST(BlockForm, OnlyTheFixedBlockIsRead) {
    using common::language::readBlockForm;
    // One code unit short: nothing at all.
    std::string shortFile = blockStringFile(u"T\r\nA\r\nB\r\n", 6000);
    shortFile.resize(shortFile.size() - 2);
    EXPECT_EQ(readBlockForm(shortFile, kAnalysis), std::nullopt);
    // A line feed beyond the block ends nothing: the entry before it is not read.
    std::u16string text = u"T\r\nA\r\n";
    text.append(6000 - text.size() - 1, u'x');
    text += u"y\r\nB\r\n";
    const std::optional<StringEntries> entries = readBlockForm(blockStringFile(text, 0), kAnalysis);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->count(), 1);
    // A block without any line feed is read whole and gives no entry.
    EXPECT_EQ(readBlockForm(blockStringFile(u"no line feed", 6000), kAnalysis)->count(), 0);
    // Without the little-endian mark the file is no block-form file.
    std::string bigEndian = blockStringFile(u"T\r\nA\r\n", 6000);
    bigEndian[0] = '\xFE';
    bigEndian[1] = '\xFF';
    EXPECT_EQ(readBlockForm(bigEndian, kAnalysis), std::nullopt);
}

TEST(StringEntriesLoad, LanguageFileThenStringFileInTheStartFolder) {
    TempFolder folder;
    using common::language::loadStringEntries;
    EXPECT_EQ(loadStringEntries(folder.text(), kAnalysis), std::nullopt);
    folder.write("language.txt", "4\r\n");
    EXPECT_EQ(loadStringEntries(folder.text(), kAnalysis), std::nullopt);  // no string file
    folder.write("AnalysisStrings_de.txt", "Analyse\r\nGanz\r\n");
    const std::optional<StringEntries> german = loadStringEntries(folder.text(), kAnalysis);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->entry(2), "Ganz");
    folder.write("language.txt", "9\r\n");
    folder.write("AnalysisStrings_ru.txt", blockStringFile(u"T\r\n\u0414\r\n", 6000));
    const std::optional<StringEntries> russian = loadStringEntries(folder.text(), kAnalysis);
    ASSERT_TRUE(russian);
    EXPECT_EQ(russian->entry(1), "\xD0\x94");
    folder.write("language.txt", "14\r\n");
    EXPECT_EQ(loadStringEntries(folder.text(), kAnalysis), std::nullopt);
    folder.write("language.txt", "10\r\n");
    folder.subfolder("AnalysisStrings_kr.txt");
    EXPECT_EQ(loadStringEntries(folder.text(), kAnalysis), std::nullopt);
}

TEST(Utf8Check, WellFormedOnly) {
    using common::isUtf8;
    EXPECT_TRUE(isUtf8(""));
    EXPECT_TRUE(isUtf8("plain"));
    EXPECT_TRUE(isUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isUtf8("\xE9"));              // Windows-1252 "é"
    EXPECT_FALSE(isUtf8("\xC3"));              // cut off
    EXPECT_FALSE(isUtf8("\x80"));              // stray continuation
    EXPECT_FALSE(isUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(isUtf8("\xE2\x82"));          // cut off
}

TEST(CodePageText, EachLanguageHasItsWindowsCodePage) {
    using common::language::windowsCodePage;
    EXPECT_EQ(windowsCodePage("po"), "CP1250");
    EXPECT_EQ(windowsCodePage("ru"), "CP1251");
    EXPECT_EQ(windowsCodePage("kr"), "CP949");
    EXPECT_EQ(windowsCodePage("jp"), "CP932");
    for (const char* code : {"fr", "it", "es", "de", "nl", "sv", "pt"}) {
        EXPECT_EQ(windowsCodePage(code), "CP1252") << code;
    }
}

TEST(CodePageText, ReadInThePageUnlessValidUtf8) {
    using common::language::stringFileAsUtf8;
    EXPECT_EQ(stringFileAsUtf8("\xCC\xEE\xE4\r\n", "CP1251"), "\xD0\x9C\xD0\xBE\xD0\xB4\r\n");
    // Valid UTF-8 stays as it is, whatever the page; its mark is dropped.
    EXPECT_EQ(stringFileAsUtf8("\xEF\xBB\xBF\xD0\x9C\r\n", "CP1251"), "\xD0\x9C\r\n");
    EXPECT_EQ(stringFileAsUtf8("\xD0\x9C", "CP1252"), "\xD0\x9C");
    // A byte the page does not know, and a double-byte character cut off at the end, become the
    // replacement character; the rest is read on.
    EXPECT_EQ(stringFileAsUtf8("a\x81z", "CP1252"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(stringFileAsUtf8("\x96\xBC\x96", "CP932"), "\xE5\x90\x8D\xEF\xBF\xBD");
    // A long text crosses the converter's buffer.
    const std::string longText(10000, '\xE9');
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        expected += "\xC3\xA9";
    }
    EXPECT_EQ(stringFileAsUtf8(longText, "CP1252"), expected);
}

TEST(CodePageText, TheWizardsEntriesAreUtf8) {
    TempFolder folder;
    folder.write("language.txt", "8");
    folder.write("TranscribeStrings_ru.txt", "\xCC\xEE\xE4\r\nL2\r\n");
    const auto entries = common::language::loadStringEntries(folder.text(), kWizard);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->form(), StringFileForm::CodePageText);
    EXPECT_EQ(entries->entry(1), "\xD0\x9C\xD0\xBE\xD0\xB4");
    EXPECT_EQ(entries->entry(2), "L2");
}
