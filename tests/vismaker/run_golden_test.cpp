// Whole runs over a small folder worked by hand, compared byte for byte with the expected files,
// in English and in a text-form and a block-form language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/vismaker/vismaker_fixture.h"
#include "vismaker/stats/vis_files.h"

namespace {

const std::string kExpected = kVismakerData + "/expected/";
const std::string kStatistics = TEST_DATA_DIR "/vis/three_faces/";

std::string expected(const std::string& path) {
    return common::readWholeFile(path);
}

// Runs a fresh program with the given language over the hand-worked folder and saves the log.
void runAndSave(const TempFolder& start, const TempFolder& data) {
    writeHandWorkedFolder(data);
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_TRUE(program.finished()) << program.window.statusMessage.Caption;
    EXPECT_EQ(program.platform.beeps, 1);
    program.save();
    EXPECT_TRUE(program.app.ended());
    EXPECT_TRUE(program.platform.errors.empty());
}

void expectStatisticsAndLists(const TempFolder& data) {
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        EXPECT_EQ(data.read(name), expected(kStatistics + name)) << name;
    }
    for (const char* name : {"Singers.lst", "Actresses.lst", "Models.lst"}) {
        EXPECT_EQ(data.read(name), expected(kExpected + name)) << name;
    }
}

void useLanguage(const TempFolder& start, const std::string& number, const std::string& file) {
    start.write("language.txt", number + "\r\n");
    start.write(file, common::readWholeFile(kVismakerData + "/strings/" + file));
}

// "Zoë", held as Windows-1252, with Anna's text and all five views.
void writeAccentedFace(const TempFolder& data) {
    data.write("Zo\xEB.txt", common::readWholeFile(kVismakerData + "/faces/Anna.txt"));
    for (const char view : {'0', '1', '2', '3', '4'}) {
        data.write(std::string("Zo\xEB") + view + ".jpg", "\xFF\xD8\xFF\xD9");
    }
}

}  // namespace

TEST(VismakerRun, EnglishRunWritesTheHandWorkedFiles) {
    TempFolder start;
    TempFolder data;
    runAndSave(start, data);
    expectStatisticsAndLists(data);
    EXPECT_EQ(data.read("PictureLog.log"), expected(kExpected + "PictureLog.log"));
}

TEST(VismakerRun, TextFormLanguageChangesOnlyTheLogHeader) {
    TempFolder start;
    TempFolder data;
    useLanguage(start, "1", "VismakerStrings_fr.txt");
    runAndSave(start, data);
    expectStatisticsAndLists(data);
    EXPECT_EQ(data.read("PictureLog.log"), expected(kExpected + "PictureLog_fr.log"));
}

// The translated header reaches the log as UTF-8, each entry with the CR of its line end.
TEST(VismakerRun, BlockFormLanguageWritesItsHeaderAsUtf8) {
    TempFolder start;
    TempFolder data;
    useLanguage(start, "9", "VismakerStrings_ru.txt");
    runAndSave(start, data);
    expectStatisticsAndLists(data);
    EXPECT_EQ(data.read("PictureLog.log"), expected(kExpected + "PictureLog_ru.log"));
}

// While a block-form language is in use the log is UTF-8 throughout: an accented name is
// converted from Windows-1252 like the words around it. The lists keep the name's 8-bit bytes, as
// the analysis reads them.
TEST(VismakerRun, BlockFormLogIsWhollyUtf8AndListsStayEightBit) {
    TempFolder start;
    TempFolder data;
    useLanguage(start, "9", "VismakerStrings_ru.txt");
    writeAccentedFace(data);
    runAndSave(start, data);
    EXPECT_EQ(data.read("PictureLog.log"),
              expected(kExpected + "PictureLog_ru.log") + "01234         Zo\xC3\xAB\r\n");
    EXPECT_EQ(data.read("Singers.lst"), "Anna.txt\r\nBen.txt\r\nZo\xEB.txt\r\n99999\r\n");
    EXPECT_EQ(data.read("Models.lst"), "Anna.txt\r\nBen.txt\r\nZo\xEB.txt\r\n99999\r\n");
}

// A name on disk that Windows-1252 cannot hold is held as its UTF-8 bytes: beside UTF-8 words it
// is logged as it stands, never converted a second time.
TEST(VismakerRun, BlockFormLogShowsANameBeyondWindows1252AsItStands) {
    TempFolder start;
    TempFolder data;
    useLanguage(start, "9", "VismakerStrings_ru.txt");
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    std::ofstream(data.path() / (ivan + ".txt"), std::ios::binary)
        << common::readWholeFile(kVismakerData + "/faces/Anna.txt");
    for (const char view : {'0', '1', '2', '3', '4'}) {
        std::ofstream(data.path() / (ivan + view + ".jpg"), std::ios::binary) << "\xFF\xD8\xFF\xD9";
    }
    runAndSave(start, data);
    EXPECT_EQ(data.read("PictureLog.log"),
              expected(kExpected + "PictureLog_ru.log") + "01234         " + ivan + "\r\n");
    EXPECT_EQ(data.read("Models.lst"), "Anna.txt\r\nBen.txt\r\n" + ivan + ".txt\r\n99999\r\n");
}

// In English the log keeps the name's own bytes, like every 8-bit file.
TEST(VismakerRun, EnglishLogKeepsTheNamesOwnBytes) {
    TempFolder start;
    TempFolder data;
    writeAccentedFace(data);
    runAndSave(start, data);
    EXPECT_EQ(data.read("PictureLog.log"),
              expected(kExpected + "PictureLog.log") + "01234         Zo\xEB\r\n");
}

// The end state shows only the message, the log and the save button; the midpoints have taken
// the last face's place and the hidden Median.vis text matches the file.
TEST(VismakerRun, EndStateShowsMessageLogAndSaveButton) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    vismaker::StatisticsWindow& w = program.window;
    EXPECT_EQ(w.statusMessage.Caption, "Vis files updated.\rClose window to exit.");
    EXPECT_EQ(w.statusMessage.Width, 2775);
    EXPECT_EQ(w.progressLabel.Caption, " 3 files. Checking...Cleo");
    for (const forms::Control* shown :
         std::initializer_list<const forms::Control*>{&w.statusMessage, &w.LogBox, &w.SaveLog}) {
        EXPECT_TRUE(shown->Visible) << shown->name();
    }
    for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{
             &w.ShowPicsTick, &w.PicField, &w.File1, &w.Dir1, &w.browseHeading, &w.progressLabel,
             &w.Drive1, &w.selectAllButton}) {
        EXPECT_FALSE(hidden->Visible) << hidden->name();
    }
    EXPECT_EQ(w.LogBox.Text(), expected(kExpected + "PictureLog.log"));
    const vismaker::VisFiles files = vismaker::BuildVisFiles(w.FaceLimits, 3);
    EXPECT_EQ(w.Values, files.midValues);
    EXPECT_EQ("\"" + w.FileGoesHere.Text() + "\"\r\n", data.read("Median.vis"));
    // Nothing but the statistics is written before the save button is pressed.
    EXPECT_FALSE(exists(data, "PictureLog.log"));
    EXPECT_FALSE(exists(data, "Models.lst"));
}

// Saving replaces older, longer files wholly.
TEST(VismakerRun, SaveLeavesNothingOfOlderLongerFiles) {
    TempFolder start;
    TempFolder data;
    const std::string older(5000, 'x');
    for (const char* name : {"PictureLog.log", "Singers.lst", "Actresses.lst", "Models.lst"}) {
        data.write(name, older);
    }
    runAndSave(start, data);
    EXPECT_EQ(data.read("Actresses.lst"), "Ben.txt\r\n99999\r\n");
    EXPECT_EQ(data.read("PictureLog.log"), expected(kExpected + "PictureLog.log"));
}
