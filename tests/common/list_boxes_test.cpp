#include <gtest/gtest.h>

#include "common/forms/application.h"
#include "common/forms/file_listing.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"
#include "common/recording_platform.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using namespace forms;

TEST(FileListing, NameOrderIsCaseInsensitiveWithByteOrderTies) {
    EXPECT_TRUE(nameLess("anna.txt", "Bob.txt"));
    EXPECT_TRUE(nameLess("Bob.txt", "bob.txt"));
    EXPECT_FALSE(nameLess("bob.txt", "Bob.txt"));
    EXPECT_TRUE(nameLess("Ann.txt", "Anna.txt"));
    EXPECT_TRUE(nameLess("\xC9mile.txt", "\xE9mile2.txt"));
    EXPECT_TRUE(nameLess("\xC9" "b", "\xE9" "c")) << "accented capitals fold like plain ones";
    EXPECT_TRUE(nameLess("\xE9" "a", "\xC9" "b"));
    // S caron (byte 8A) is U+0160: after every Latin-1 letter, though its byte is smaller.
    EXPECT_TRUE(nameLess("\xFC" "ber", "\x8Aimon"));
    EXPECT_TRUE(nameLess("\x8A" "a", "\x9A" "b"));
    EXPECT_TRUE(nameLess("_x", "ax")) << "letters compare in lower case";
}

TEST(FileListing, PatternsMatchCaseSensitively) {
    EXPECT_TRUE(matchesPattern("Anna.txt", "*.txt"));
    EXPECT_FALSE(matchesPattern("Anna.TXT", "*.txt"));
    EXPECT_FALSE(matchesPattern("Anna.txt.bak", "*.txt"));
    EXPECT_TRUE(matchesPattern("a.lst", "*.txt;*.lst"));
    EXPECT_TRUE(matchesPattern("Anna3.jpg", "Anna?.jpg"));
    EXPECT_TRUE(matchesPattern("x", "*"));
}

struct ListBoxes : ::testing::Test {
    TempFolder folder;
    common::RecordingPlatform platform;
    Application app{platform, folder.text()};
    Window window{app, "Browser"};
};

TEST_F(ListBoxes, FileBoxListsMatchingFilesInNameOrder) {
    for (const char* name :
         {"bob.txt", "Anna.txt", "Bob.txt", "notes.TXT", ".hidden.txt", "x.lst"}) {
        folder.write(name, "");
    }
    folder.subfolder("dir.txt");
    FileListBox files(window, "File1");
    files.setPattern("*.txt");
    ASSERT_EQ(files.ListCount(), 3);
    EXPECT_EQ(files.List(0), "Anna.txt");
    EXPECT_EQ(files.List(1), "Bob.txt");
    EXPECT_EQ(files.List(2), "bob.txt");
    EXPECT_EQ(files.FileName(), "");
    EXPECT_THROW(files.List(3), common::Error);
}

TEST_F(ListBoxes, SelectionFiresClickAndSurvivesRefresh) {
    folder.write("b.txt", "");
    FileListBox files(window, "File1");
    int clicks = 0;
    files.onClick = [&] { ++clicks; };
    files.setListIndex(0);
    files.setListIndex(0);
    EXPECT_EQ(clicks, 1);
    folder.write("a.txt", "");
    files.Refresh();
    EXPECT_EQ(files.FileName(), "b.txt");
    EXPECT_EQ(files.ListIndex(), 1);
    EXPECT_THROW(files.setListIndex(2), common::Error);
}

TEST_F(ListBoxes, FolderBoxMovesOnlyToExistingFolders) {
    const std::string sample = folder.subfolder("Sample data");
    DirListBox dir(window, "Dir1");
    int changes = 0;
    dir.onChange = [&] { ++changes; };
    EXPECT_EQ(dir.Path(), folder.text());
    dir.setPath(sample);
    dir.setPath(sample + "/");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dir.Path(), sample);
    try {
        dir.setPath(folder.file("missing"));
        FAIL();
    } catch (const common::Error& e) {
        EXPECT_EQ(e.code(), common::ErrorCode::PathNotFound);
    }
    EXPECT_EQ(dir.Path(), sample);
    const auto entries = dir.entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().path, "/");
    EXPECT_EQ(entries.back().name, "Sample data");
    EXPECT_TRUE(entries.back().current);
}

TEST_F(ListBoxes, DriveLettersMeanTheRoot) {
    DriveListBox drive(window, "Drive1");
    int changes = 0;
    drive.onChange = [&] { ++changes; };
    drive.setDrive("c:");
    EXPECT_EQ(drive.Drive(), "/");
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(drive.setDrive("//server"), common::Error);
}
