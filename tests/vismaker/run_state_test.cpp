// What a run carries from one press to the next, and what it takes from the folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/vismaker/vismaker_fixture.h"

namespace {
const std::string kStatistics = TEST_DATA_DIR "/vis/three_faces/";
const std::string kPicture = "\xFF\xD8\xFF\xD9";
}  // namespace

// The limits keep what the faces read before an error brought: Anna's own values count although
// her file holds Ben's by the second press.
TEST(VismakerState, SecondPressAfterAnErrorGoesOnFromTheLimits) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    std::filesystem::remove(data.path() / "Ben1.jpg");
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_FALSE(program.finished());
    data.write("Anna.txt", common::readWholeFile(kVismakerData + "/faces/Ben.txt"));
    data.write("Ben1.jpg", kPicture);
    program.press();
    ASSERT_TRUE(program.finished()) << program.window.statusMessage.Caption;
    EXPECT_EQ(data.read("Upper.vis"), common::readWholeFile(kStatistics + "Upper.vis"));
    EXPECT_EQ(data.read("Lower.vis"), common::readWholeFile(kStatistics + "Lower.vis"));
}

// Ben stops the first run after his height and colour lines were seen; Anna, first in the next
// run, gets none of his marks, and the lists hold each face once.
TEST(VismakerState, MarksOfAFailedFaceDoNotReachTheNextRun) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    const std::string ben = common::readWholeFile(kVismakerData + "/faces/Ben.txt");
    std::string damaged = ben;
    damaged.replace(damaged.find("Angles2"), 7, "Angles-");
    data.write("Ben.txt", damaged);
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_FALSE(program.finished());
    EXPECT_TRUE(program.window.HeightFlag);
    data.write("Ben.txt", ben);
    program.press();
    ASSERT_TRUE(program.finished());
    program.save();
    EXPECT_EQ(data.read("PictureLog.log"),
              common::readWholeFile(kVismakerData + "/expected/PictureLog.log"));
    EXPECT_EQ(data.read("Models.lst"), "Anna.txt\r\nBen.txt\r\n99999\r\n");
}

TEST(VismakerState, FaceWithSeveralMatchingLinesIsListedOnce) {
    TempFolder start;
    TempFolder data;
    std::string text = common::readWholeFile(kVismakerData + "/faces/Anna.txt");
    text.replace(0, 4, "Model Mia");
    text.replace(text.find("Singer and model"), 16, "Model (Portrait only)");
    data.write("Model Mia.txt", text);
    data.write("Model Mia1.jpg", kPicture);
    data.write("Model Mia3.jpg", kPicture);
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_TRUE(program.finished());
    EXPECT_EQ(program.window.ModelBox.Text(), "Model Mia.txt\r\n");
    EXPECT_EQ(program.window.SingersBox.Text(), "");
}

// "Show pictures?" starts unticked; ticked, each portrait shows, and one that cannot be shown
// leaves the box empty without stopping the run.
TEST(VismakerState, PortraitThatCannotBeShownNeverStopsTheRun) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    data.write("Cleo1.jpg", "not a picture");
    FreshVismaker program(start.text());
    EXPECT_EQ(program.window.ShowPicsTick.Value(), 0);
    program.open(data.text());
    program.app.dispatch([&program] { program.window.ShowPicsTick.userClick(); });
    program.press();
    EXPECT_TRUE(program.finished()) << program.window.statusMessage.Caption;
    EXPECT_EQ(program.window.PicField.Picture(), "");
}

// Latin-1 bytes on disk and UTF-8 names are found with their pictures and logged by name.
TEST(VismakerState, NamesWithOddBytesAreReadWithTheirPictures) {
    TempFolder start;
    TempFolder data;
    const std::string face = common::readWholeFile(kVismakerData + "/faces/Anna.txt");
    for (const std::string name : {"Zo\xEB", "Ren\xC3\xA9"}) {
        for (const std::string suffix : {".txt", "1.jpg", "3.jpg"}) {
            std::ofstream(data.path() / (name + suffix), std::ios::binary)
                << (suffix == ".txt" ? face : kPicture);
        }
    }
    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_TRUE(program.finished()) << program.window.statusMessage.Caption;
    const std::string& log = program.window.LogBox.Text();
    EXPECT_NE(log.find("-1-3-         Ren\xE9\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("-1-3-         Zo\xEB\r\n"), std::string::npos) << log;
}

TEST(VismakerState, StartsInTheSampleDataBelowTheStartFolder) {
    TempFolder start;
    {
        FreshVismaker program(start.text());
        EXPECT_EQ(program.window.File1.Path(), start.text());
        EXPECT_EQ(program.window.Caption, "Tovrel - Vismaker Module v1.85");
    }
    const std::string sample = start.subfolder("Sample data");
    FreshVismaker program(start.text());
    EXPECT_EQ(program.window.Dir1.Path(), sample);
    EXPECT_EQ(program.window.File1.Path(), sample);
    EXPECT_EQ(program.window.File1.Pattern(), "*.txt");
}

// Closing the window ends the program.
TEST(VismakerState, ClosingTheWindowEndsTheProgram) {
    TempFolder start;
    FreshVismaker program(start.text());
    program.app.dispatch([&program] { program.window.userClose(); });
    EXPECT_TRUE(program.app.ended());
}

// Ben's files go and Cleo's come after the program has read the folder: the run sees the folder
// as it is when "Select all" is pressed, as a program started afterwards would.
TEST(VismakerState, SelectAllCountsTheFacesTheFolderHoldsWhenPressed) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    for (const char* cleo : {"Cleo.txt", "Cleo0.jpg", "Cleo1.jpg", "Cleo3.jpg"}) {
        std::filesystem::remove(data.path() / cleo);
    }
    FreshVismaker program(start.text());
    program.open(data.text());
    ASSERT_EQ(program.window.File1.ListCount(), 2);
    for (const char* ben : {"Ben.txt", "Ben1.jpg", "Ben3.jpg"}) {
        std::filesystem::remove(data.path() / ben);
    }
    data.write("Cleo.txt", common::readWholeFile(kVismakerData + "/faces/Cleo.txt"));
    data.write("Cleo1.jpg", kPicture);
    data.write("Cleo3.jpg", kPicture);
    program.press();
    ASSERT_TRUE(program.finished()) << program.window.statusMessage.Caption;
    program.save();
    const std::string log = data.read("PictureLog.log");
    EXPECT_EQ(log.find("Ben"), std::string::npos) << log;
    EXPECT_NE(log.find("Cleo"), std::string::npos) << log;

    TempFolder later;
    FreshVismaker startedAfterwards(later.text());
    const std::string earlierStatistics = data.read("Median.vis");
    startedAfterwards.open(data.text());
    startedAfterwards.press();
    ASSERT_TRUE(startedAfterwards.finished());
    EXPECT_EQ(data.read("Median.vis"), earlierStatistics);
    startedAfterwards.save();
    EXPECT_EQ(data.read("PictureLog.log"), log);
}
