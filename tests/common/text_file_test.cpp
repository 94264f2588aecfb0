#include <gtest/gtest.h>

#include <filesystem>

#include "common/files/text_file.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using namespace common;

TEST(LineInput, CrLfAndLoneLfEndALineButALoneCrDoesNot) {
    auto reader = TextFileReader::fromText("one\r\ntwo\nthree\rfour\r\r\nfive\r");
    EXPECT_EQ(reader.lineInput(), "one");
    EXPECT_EQ(reader.lineInput(), "two");
    EXPECT_EQ(reader.lineInput(), "three\rfour\r");
    EXPECT_FALSE(reader.eof());
    EXPECT_EQ(reader.lineInput(), "five\r");
    EXPECT_TRUE(reader.eof());
    EXPECT_THROW(reader.lineInput(), Error);
}

TEST(LineInput, EmptyLinesAndFinalLineEnd) {
    auto reader = TextFileReader::fromText("\r\n\r\nx\r\n");
    EXPECT_EQ(reader.lineInput(), "");
    EXPECT_EQ(reader.lineInput(), "");
    EXPECT_EQ(reader.lineInput(), "x");
    EXPECT_TRUE(reader.eof());
}

TEST(InputItem, SplitsAtCommasAndLineEnds) {
    auto reader = TextFileReader::fromText(
        "\"Average face\r\nNormX1, NormY1\r\n 153, 1000,-12,99999,99999\r\n");
    EXPECT_EQ(reader.lineInput(), "\"Average face");
    EXPECT_EQ(reader.inputItem(), "NormX1");
    EXPECT_EQ(reader.inputItem(), "NormY1");
    EXPECT_EQ(reader.inputItem(), "153");
    EXPECT_EQ(reader.inputItem(), "1000");
    EXPECT_EQ(reader.inputItem(), "-12");
    EXPECT_EQ(reader.inputItem(), "99999");
    EXPECT_EQ(reader.lineInput(), "99999");
    EXPECT_TRUE(reader.eof());
}

TEST(InputItem, ALoneCrStaysInTheItem) {
    auto reader = TextFileReader::fromText("12\r34,5\r\n6\n");
    EXPECT_EQ(reader.inputItem(), "12\r34");
    EXPECT_EQ(reader.inputItem(), "5");
    EXPECT_EQ(reader.inputItem(), "6");
    EXPECT_TRUE(reader.eof());
}

TEST(InputItem, QuotedItemKeepsCommas) {
    auto reader = TextFileReader::fromText("\"a, b\",c\n");
    EXPECT_EQ(reader.inputItem(), "a, b");
    EXPECT_EQ(reader.inputItem(), "c");
    EXPECT_THROW(reader.inputItem(), Error);
}

TEST(InputChars, ReadsExactlyAndFailsPastTheEnd) {
    auto reader = TextFileReader::fromText("ab\r\ncd");
    EXPECT_EQ(reader.input(3), "ab\r");
    EXPECT_EQ(reader.input(3), "\ncd");
    EXPECT_THROW(reader.input(1), Error);
}

TEST(Files, MissingFileIsATrappableError) {
    TempFolder folder;
    try {
        TextFileReader reader(folder.file("absent.txt"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), ErrorCode::FileNotFound);
    }
    EXPECT_FALSE(fileExists(folder.file("absent.txt")));
}

TEST(Files, WholeFileWriteLeavesNothingOfALongerFile) {
    TempFolder folder;
    const std::string path = folder.file("out.vis");
    writeWholeFile(path, std::string(500, 'x'));
    writeWholeFile(path, "new\r\n");
    EXPECT_EQ(readWholeFile(path), "new\r\n");
    appendToFile(path, "more");
    EXPECT_EQ(readWholeFile(path), "new\r\nmore");
    EXPECT_EQ(quotedItem("Average face\r\n"), "\"Average face\r\n\"\r\n");
}

TEST(Files, EightBitNamesAndContentSurvive) {
    TempFolder folder;
    const std::string path = folder.file("Zo\xEB.txt");
    writeWholeFile(path,
                   "\xA3"
                   "412\xA3\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / u8"Zoë.txt"));
    TextFileReader reader(path);
    EXPECT_EQ(reader.lineInput(),
              "\xA3"
              "412\xA3");
}

TEST(Files, UnwritableFolderRaises) {
    EXPECT_THROW(writeWholeFile("/nonexistent-folder/x.txt", "x"), Error);
}

// A message names the file itself, so an error gives the system's reason and the file apart.
TEST(FileErrors, GiveTheirReasonAndTheFileApart) {
    TempFolder folder;
    const std::string missing = (folder.path() / "absent.txt").string();
    try {
        common::readWholeFile(missing);
        FAIL() << "a missing file reads";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.reason(), "File not found");
        EXPECT_EQ(error.file(), missing);
    }
    try {
        common::readWholeFile(folder.path().string());
        FAIL() << "a folder reads";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.reason(), "it is a folder, not a file that can be read");
        EXPECT_EQ(error.file(), folder.path().string());
    }
    try {
        common::writeWholeFile(folder.path().string(), "x");
        FAIL() << "a folder is written";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.reason(), "Is a directory");
        EXPECT_EQ(error.file(), folder.path().string());
    }
    EXPECT_EQ(common::Error(common::ErrorCode::Overflow).reason(), "Overflow");
}
