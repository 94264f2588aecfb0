// Runs that stop: nothing is written, the message says what is wrong, and a second press after
// the folder is mended succeeds.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/vismaker/vismaker_fixture.h"

namespace {

void expectNothingWritten(const TempFolder& data) {
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis", "PictureLog.log",
                             "Singers.lst", "Actresses.lst", "Models.lst"}) {
        EXPECT_FALSE(exists(data, name)) << name;
    }
}

// The run stopped: the folder boxes and the button stay for another try, the message is red.
void expectStopped(const FreshVismaker& program, const std::string& caption) {
    const vismaker::StatisticsWindow& w = program.window;
    EXPECT_EQ(w.statusMessage.Caption, caption);
    EXPECT_EQ(w.statusMessage.ForeColor, 80);
    EXPECT_TRUE(w.selectAllButton.Visible);
    EXPECT_TRUE(w.File1.Visible);
    EXPECT_TRUE(w.Dir1.Visible);
    EXPECT_FALSE(w.SaveLog.Visible);
    EXPECT_FALSE(w.LogBox.Visible);
    EXPECT_FALSE(program.app.ended());
}

}  // namespace

TEST(VismakerErrors, MissingPortraitOrTypicalViewStopsTheRunUntilItIsThere) {
    for (const std::string missing : {"Ben1.jpg", "Ben3.jpg"}) {
        TempFolder start;
        TempFolder data;
        writeHandWorkedFolder(data);
        data.write("Missing.jpg", "\xFF\xD8\xFF\xD9");
        std::filesystem::remove(data.path() / missing);
        FreshVismaker program(start.text());
        program.open(data.text());
        program.press();
        expectStopped(program, "ERROR! " + missing.substr(0, 4) +
                                   ".jpg is missing! Vis files not created. Insert correct "
                                   "file and retry.");
        EXPECT_EQ(program.window.PicField.Picture(), data.file("Missing.jpg"));
        expectNothingWritten(data);

        data.write(missing, "\xFF\xD8\xFF\xD9");
        program.press();
        EXPECT_TRUE(program.finished()) << program.window.statusMessage.Caption;
        EXPECT_TRUE(exists(data, "Median.vis"));
    }
}

// A folder, a named pipe or an unreadable entry named like a picture is no picture, and the run
// never waits on it.
TEST(VismakerErrors, SomethingNamedLikeAPictureThatIsNoFileIsMissing) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    std::filesystem::remove(data.path() / "Anna1.jpg");
    ASSERT_EQ(::mkfifo((data.path() / "Anna1.jpg").c_str(), 0644), 0);
    std::filesystem::remove(data.path() / "Ben3.jpg");
    std::filesystem::create_directory(data.path() / "Ben3.jpg");
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    expectStopped(program,
                  "ERROR! Anna1.jpg is missing! Vis files not created. Insert correct "
                  "file and retry.");
    // Without Missing.jpg the picture box stays empty.
    EXPECT_EQ(program.window.PicField.Picture(), "");
    std::filesystem::remove(data.path() / "Anna1.jpg");
    data.write("Anna1.jpg", "");
    program.press();
    expectStopped(program,
                  "ERROR! Ben3.jpg is missing! Vis files not created. Insert correct "
                  "file and retry.");
    expectNothingWritten(data);
}

TEST(VismakerErrors, EmptyFolderWritesNothing) {
    TempFolder start;
    TempFolder data;
    data.write("Anna1.jpg", "");
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    EXPECT_EQ(program.window.statusMessage.Caption,
              "No files to prepare. Select different directory.");
    EXPECT_TRUE(program.window.selectAllButton.Visible);
    expectNothingWritten(data);
}

// A face file that goes before the run reaches it, or one that is damaged, is named with what is
// wrong, not taken for a missing picture.
TEST(VismakerErrors, UnreadableOrDamagedFaceIsNamedWithItsFault) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    FreshVismaker program(start.text());
    program.open(data.text());
    if (::geteuid() != 0) {  // the superuser reads whatever the permissions say
        std::filesystem::permissions(data.path() / "Ben.txt", std::filesystem::perms::none);
        program.press();
        expectStopped(program, "ERROR! Ben.txt could not be read: Permission denied");
        expectNothingWritten(data);
        std::filesystem::permissions(data.path() / "Ben.txt", std::filesystem::perms::owner_all);
    }

    std::string ben = common::readWholeFile(kVismakerData + "/faces/Ben.txt");
    ben.replace(ben.find("Angles1"), 7, "Angles-");
    data.write("Ben.txt", ben);
    program.press();
    const std::string& caption = program.window.statusMessage.Caption;
    EXPECT_TRUE(caption.starts_with("ERROR! Ben.txt is damaged: ")) << caption;
    EXPECT_NE(caption.find("Angles1"), std::string::npos) << caption;
    expectNothingWritten(data);
}

// A folder standing under the name of a statistics file: the message names that file and why,
// and the older statistics stay.
TEST(VismakerErrors, StatisticsFileThatCannotBeWrittenIsNamedAndTheOlderFilesStay) {
    for (const std::string blocked : {"Lower.vis", "Median.vis"}) {
        TempFolder start;
        TempFolder data;
        writeHandWorkedFolder(data);
        data.write("Upper.vis", "older\r\n");
        data.subfolder(blocked);
        FreshVismaker program(start.text());
        program.open(data.text());
        program.press();
        expectStopped(program, "ERROR! The statistics files could not be written: " +
                                   data.file(blocked) + ": Is a directory");
        EXPECT_EQ(data.read("Upper.vis"), "older\r\n");
        EXPECT_FALSE(exists(data, blocked == "Median.vis" ? "Lower.vis" : "Median.vis"));
    }
}

// Beside UTF-8 words the file is named in UTF-8 part by part: a folder name Windows-1252 cannot
// hold stays as it is, one held in Windows-1252 is converted.
TEST(VismakerErrors, StatisticsFileIsNamedInUtf8BesideUtf8Words) {
    TempFolder start;
    start.write("language.txt", "9\r\n");
    start.write("VismakerStrings_ru.txt",
                common::readWholeFile(kVismakerData + "/strings/VismakerStrings_ru.txt"));
    TempFolder top;
    const std::string faces = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(top.path() / faces / "Zo\xC3\xAB" / "Median.vis");
    const std::string folder = top.text() + "/" + faces + "/Zo\xEB";
    common::writeWholeFile(common::joinPath(folder, "Anna.txt"),
                           common::readWholeFile(kVismakerData + "/faces/Anna.txt"));
    for (const char* picture : {"Anna1.jpg", "Anna3.jpg"}) {
        common::writeWholeFile(common::joinPath(folder, picture), "\xFF\xD8\xFF\xD9");
    }
    FreshVismaker program(start.text());
    program.open(folder);
    program.press();
    EXPECT_EQ(program.window.statusMessage.Caption,
              program.window.Texts.ErrorPrefix +
                  "The statistics files could not be written: " + common::cp1252ToUtf8(top.text()) +
                  "/" + faces + "/Zo\xC3\xAB/Median.vis: Is a directory");
}

// The save's message names the file in UTF-8 part by part, whatever the language.
TEST(VismakerErrors, LogThatCannotBeSavedIsNamedReadably) {
    TempFolder start;
    TempFolder top;
    const std::string faces = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(top.path() / faces / "Zo\xC3\xAB");
    const std::string folder = top.text() + "/" + faces + "/Zo\xEB";
    writeHandWorkedFolder(folder);
    FreshVismaker program(start.text());
    program.open(folder);
    program.press();
    ASSERT_TRUE(program.finished());
    std::filesystem::create_directories(top.path() / faces / "Zo\xC3\xAB" / "PictureLog.log");
    program.save();
    ASSERT_EQ(program.platform.errors.size(), 1U);
    EXPECT_EQ(program.platform.errors[0], "The picture log and the lists could not be saved: " +
                                              common::cp1252ToUtf8(top.text()) + "/" + faces +
                                              "/Zo\xC3\xAB/PictureLog.log: Is a directory");
}

// A log or list that cannot be saved is named with the reason; nothing is saved and the window
// stays, so the log is not lost.
TEST(VismakerErrors, LogOrListThatCannotBeSavedIsNamedAndTheWindowStays) {
    for (const std::string blocked : {"PictureLog.log", "Models.lst"}) {
        TempFolder start;
        TempFolder data;
        writeHandWorkedFolder(data);
        FreshVismaker program(start.text());
        program.open(data.text());
        program.press();
        ASSERT_TRUE(program.finished());
        data.subfolder(blocked);
        program.save();
        ASSERT_EQ(program.platform.errors.size(), 1U);
        EXPECT_EQ(program.platform.errors[0], "The picture log and the lists could not be saved: " +
                                                  data.file(blocked) + ": Is a directory");
        EXPECT_FALSE(program.app.ended());
        EXPECT_FALSE(exists(data, "Singers.lst"));
    }
}
