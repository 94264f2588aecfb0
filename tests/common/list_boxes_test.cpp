#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "common/files/text_file.h"
#include "common/forms/application.h"
#include "common/forms/file_listing.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"
#include "common/headless/recording_platform.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using namespace forms;

// The names' Windows-1252 bytes after lower-casing decide; names equal so, their bytes.
TEST(FileListing, NameOrderIsCaseInsensitiveWithByteOrderTies) {
    EXPECT_TRUE(nameLess("anna.txt", "Bob.txt"));
    EXPECT_TRUE(nameLess("Bob.txt", "bob.txt"));
    EXPECT_FALSE(nameLess("bob.txt", "Bob.txt"));
    EXPECT_FALSE(nameLess("bob.txt", "bob.txt"));
    EXPECT_TRUE(nameLess("Ann.txt", "Anna.txt"));
    EXPECT_TRUE(nameLess("\xC9mile.txt", "\xE9mile2.txt"));
    EXPECT_TRUE(
        nameLess("\xC9"
                 "b",
                 "\xE9"
                 "c"))
        << "accented capitals fold like plain ones";
    EXPECT_TRUE(
        nameLess("\xE9"
                 "a",
                 "\xC9"
                 "b"));
    EXPECT_TRUE(
        nameLess("\xC9"
                 "a",
                 "\xE9"
                 "a"))
        << "equal but for case: by bytes";
    // S caron is byte 8A, lower case 9A: before every Latin-1 letter, whose bytes are larger.
    EXPECT_TRUE(nameLess("\x8Aimon",
                         "\xFC"
                         "ber"));
    EXPECT_TRUE(
        nameLess("\x8A"
                 "a",
                 "\x9A"
                 "b"));
    EXPECT_TRUE(
        nameLess("\x9F"
                 "a",
                 "\xFF"
                 "b"))
        << "Y diaeresis folds to its small letter";
    EXPECT_TRUE(nameLess("_x", "ax")) << "letters compare in lower case";
    // A name held as UTF-8 bytes (beyond Windows-1252) sorts by those bytes.
    EXPECT_TRUE(nameLess("\xC3\xA9", "\xC5\x81ukasz"));
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

// No list file or result record could name a file whose name holds a line break or a
// backslash: such names are left out like hidden ones, from face and list listings alike.
TEST_F(ListBoxes, NamesWithLineBreaksOrBackslashesAreNotListed) {
    for (const char* name : {"Ann.txt", "Bob\r.txt", "Cid\nDee.txt", "Eve\\Fay.txt", "Gus\r\n.txt",
                             "Hal.lst", "In\nner.lst", "Jo\\.lst"}) {
        std::ofstream(folder.path() / name) << "x";
    }
    folder.subfolder("Kim\\folder");
    FileListBox faces(window, "File1");
    faces.setPattern("*.txt");
    ASSERT_EQ(faces.ListCount(), 1);
    EXPECT_EQ(faces.List(0), "Ann.txt");
    FileListBox lists(window, "ListFiles");
    lists.setPattern("*.lst");
    ASSERT_EQ(lists.ListCount(), 1);
    EXPECT_EQ(lists.List(0), "Hal.lst");
    EXPECT_EQ(forms::listFiles(folder.text(), "*"),
              (std::vector<std::string>{"Ann.txt", "Hal.lst"}));
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

// A click on the selected entry is a click; selecting it from the program is none.
TEST_F(ListBoxes, ClickingTheSelectedEntryClicksAgain) {
    folder.write("a.txt", "");
    folder.write("b.txt", "");
    FileListBox files(window, "File1");
    int clicks = 0;
    files.onClick = [&] { ++clicks; };
    files.clickEntry(1);
    files.clickEntry(1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(files.FileName(), "b.txt");
    files.clickEntry(0);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(files.FileName(), "a.txt");
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

namespace {
// Makes a file under exactly these bytes on disk.
void makeOnDisk(const TempFolder& folder, const std::string& bytes, const std::string& content) {
    std::ofstream(folder.path() / bytes, std::ios::binary) << content;
}
}  // namespace

// Every listed name opens again: UTF-8 names of Windows-1252 characters are held as those
// characters, UTF-8 names beyond them keep their UTF-8 bytes, other names their bytes.
TEST_F(ListBoxes, EveryListedFileOpensWhateverBytesItsNameHolds) {
    makeOnDisk(folder,
               "Ren\xC3\xA9"
               "e.txt",
               "utf8 in cp1252");
    makeOnDisk(folder, "\xC5\x81ukasz W\xC3\xB3jcik.txt", "beyond cp1252");
    makeOnDisk(folder, "Jos\xE9.txt", "latin-1 bytes");
    makeOnDisk(folder,
               "\xE2\x82\xAC"
               "uro.txt",
               "euro sign");
    FileListBox files(window, "File1");
    files.setPattern("*.txt");
    ASSERT_EQ(files.ListCount(), 4);
    EXPECT_EQ(files.List(0), "Jos\xE9.txt");
    EXPECT_EQ(files.List(1),
              "Ren\xE9"
              "e.txt");
    EXPECT_EQ(files.List(2),
              "\x80"
              "uro.txt")
        << "the euro sign is byte 80 of Windows-1252";
    EXPECT_EQ(files.List(3), "\xC5\x81ukasz W\xC3\xB3jcik.txt");
    const std::vector<std::string> contents{"latin-1 bytes", "utf8 in cp1252", "euro sign",
                                            "beyond cp1252"};
    for (int i = 0; i < files.ListCount(); ++i) {
        EXPECT_EQ(common::readWholeFile(common::joinPath(files.Path(), files.List(i))),
                  contents[static_cast<std::size_t>(i)])
            << files.List(i);
    }
    // A file made under a held name gets the UTF-8 name of its characters.
    common::writeWholeFile(common::joinPath(files.Path(), "Zo\xEB.txt"), "new");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Zo\xC3\xAB.txt"));
}

// Folders with such names are entered and listed the same way.
TEST_F(ListBoxes, FoldersWithAnyNameAreEntered) {
    std::filesystem::create_directory(folder.path() /
                                      "Gr\xFC"
                                      "n");
    makeOnDisk(folder,
               "Gr\xFC"
               "n/A.txt",
               "a");
    DirListBox dirs(window, "Dir1");
    const auto entries = dirs.entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().name,
              "Gr\xFC"
              "n");
    dirs.setPath(entries.back().path);
    FileListBox files(window, "File1");
    files.setPath(dirs.Path());
    ASSERT_EQ(files.ListCount(), 1);
    EXPECT_EQ(common::readWholeFile(common::joinPath(files.Path(), files.List(0))), "a");
}
