#include "common/files/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using common::ListLines;
using common::listLines;
using Lines = std::vector<std::string>;

// A list ends at the line that is exactly "99999" and nowhere else: lines that merely hold it,
// or hold 9999, are names like any other.
TEST(ListFileEnd, OnlyTheExactLineEndsTheList) {
    const std::string list =
        "Agent 9999.txt\r\n9999\r\n999999\r\n099999\r\n 99999\r\n99999 \r\n99999x\r\n99999\r\n"
        "After.txt\r\n";
    const Lines before = {"Agent 9999.txt", "9999",   "999999", "099999",
                          " 99999",         "99999 ", "99999x"};
    EXPECT_EQ(listLines(list, ListLines::Every), before);
    EXPECT_EQ(listLines(list, ListLines::FaceFiles), Lines{"Agent 9999.txt"});
}

TEST(ListFileEnd, LinesAfterTheEndLineAreNeverRead) {
    EXPECT_EQ(listLines("Ann.txt\r\n99999\r\nBob.txt\r\n99999\r\n", ListLines::Every),
              Lines{"Ann.txt"});
    EXPECT_EQ(listLines("99999\r\nBob.txt\r\n", ListLines::FaceFiles), Lines{});
    // The end line needs no line end of its own.
    EXPECT_EQ(listLines("Ann.txt\r\n99999", ListLines::Every), Lines{"Ann.txt"});
}

// A list made by hand may lack its end line: it is read to its end. An empty file is an empty
// list.
TEST(ListFileEnd, AListWithoutItsEndLineIsReadToItsEnd) {
    EXPECT_EQ(listLines("Ann.txt\r\nBob.txt", ListLines::Every), (Lines{"Ann.txt", "Bob.txt"}));
    EXPECT_EQ(listLines("Ann.txt\r\nBob.txt\r\n", ListLines::FaceFiles),
              (Lines{"Ann.txt", "Bob.txt"}));
    EXPECT_EQ(listLines("", ListLines::Every), Lines{});
}

// Lists edited on Linux end their lines with LF alone; a lone CR ends no line, so "99999" followed
// by a lone CR is no end line.
TEST(ListFileLines, LoneLfEndsALineAndALoneCrStaysInIt) {
    EXPECT_EQ(listLines("Ann.txt\n\nBob.txt\n99999\nCid.txt\n", ListLines::Every),
              (Lines{"Ann.txt", "", "Bob.txt"}));
    EXPECT_EQ(listLines("Ann.txt\r99999\r\n99999\r\r\nBob.txt\r\n", ListLines::Every),
              (Lines{"Ann.txt\r99999", "99999\r", "Bob.txt"}));
}

// The editor keeps every line so a list saved again loses nothing; a comparison keeps only the
// face files, each cut after its first ".txt".
TEST(ListFileLines, EveryLineOrOnlyTheFaceFiles) {
    const std::string list =
        "Eve.txt\r\nnot a face\r\n\r\nBea.txt and more\r\nA.txt.txt\r\nReadMe.TXT\r\n99999\r\n";
    EXPECT_EQ(listLines(list, ListLines::Every),
              (Lines{"Eve.txt", "not a face", "", "Bea.txt and more", "A.txt.txt", "ReadMe.TXT"}));
    EXPECT_EQ(listLines(list, ListLines::FaceFiles), (Lines{"Eve.txt", "Bea.txt", "A.txt"}));
}

TEST(ListFileText, TextIsKeptAsItStandsThenTheEndLine) {
    EXPECT_EQ(common::listFileText(""), "99999\r\n");
    EXPECT_EQ(common::listFileText("Ann.txt\r\nBob.txt\r\n"), "Ann.txt\r\nBob.txt\r\n99999\r\n");
    // A last name without its line end shares the end line: that list is read to its end.
    EXPECT_EQ(common::listFileText("Ann.txt\r\nBob.txt"), "Ann.txt\r\nBob.txt99999\r\n");
    EXPECT_EQ(listLines(common::listFileText("Ann.txt\r\nBob.txt"), ListLines::Every),
              (Lines{"Ann.txt", "Bob.txt99999"}));
}

TEST(ListFileText, LinesAreWrittenWithCrLfAndReadBackAsTheyWere) {
    EXPECT_EQ(common::listFileText(Lines{}), "99999\r\n");
    const Lines lines = {"Ann.txt", "", "Agent 9999.txt", "notes"};
    const std::string text = common::listFileText(lines);
    EXPECT_EQ(text, "Ann.txt\r\n\r\nAgent 9999.txt\r\nnotes\r\n99999\r\n");
    EXPECT_EQ(listLines(text, ListLines::Every), lines);
}

TEST(ListFileRead, ReadsAFileAndReportsOneThatCannotBeRead) {
    TempFolder folder;
    folder.write("Two.lst", "Ann.txt\r\nnotes\r\n99999\r\nBob.txt\r\n");
    EXPECT_EQ(common::readListFile(folder.file("Two.lst"), ListLines::Every),
              (Lines{"Ann.txt", "notes"}));
    EXPECT_EQ(common::readListFile(folder.file("Two.lst"), ListLines::FaceFiles), Lines{"Ann.txt"});
    try {
        common::readListFile(folder.file("Gone.lst"), ListLines::Every);
        FAIL() << "a missing list raises";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.code(), common::ErrorCode::FileNotFound);
    }
    folder.subfolder("Folder.lst");
    EXPECT_THROW(common::readListFile(folder.file("Folder.lst"), ListLines::Every), common::Error);
}
