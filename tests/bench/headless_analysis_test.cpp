#include "bench/headless_analysis.h"

#include <gtest/gtest.h>

#include "tests/common/temp_folder.h"
#include "tests/tools/face_generator/face_lines.h"
#include "tools/face_generator/face_database.h"

// The benchmark and the developer driver rest on this: a generated database, opened headless,
// runs a whole comparison without an error and leaves the result lists and places behind.
TEST(HeadlessAnalysis, RunsAFolderComparisonOverAGeneratedDatabase) {
    TempFolder start;
    TempFolder data;
    const auto faces = facegen::generateFaces(8, 4);
    facegen::writeDatabase(data.text(), faces, facegen::Pictures::Placeholders);

    facegen::HeadlessAnalysis session(start.text());
    session.openFolder(data.text());
    ASSERT_EQ(session.program.MainWindow.File1.ListCount(), 8);
    EXPECT_FALSE(session.chooseFirstFace("Nobody.txt"));
    ASSERT_TRUE(session.chooseFirstFace(common::faceFileName(faces[2].face.name)));
    EXPECT_EQ(session.program.MainWindow.Person1.Caption, faces[2].face.name);

    session.runFolderComparison();
    ASSERT_FALSE(session.failed()) << session.platform.errors.front();
    const auto records = crLfLines(data.read("Results.tmp"));
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records.back(), "99999");
    EXPECT_TRUE(session.program.MainWindow.FirstPlace.Caption.starts_with("1st : "));
    EXPECT_TRUE(session.program.MainWindow.ThirdPlace.Visible);
}

// An error inside an event is reported, as the program's error policy does, and never escapes.
TEST(HeadlessAnalysis, ErrorsAreReportedNotThrown) {
    TempFolder start;
    facegen::HeadlessAnalysis session(start.text());
    EXPECT_NO_THROW(session.openFolder(start.file("missing")));
    EXPECT_TRUE(session.failed());
}

// A run against missing or damaged statistics would compare every face with an average face of
// zeros; the driver names the file instead.
TEST(HeadlessAnalysis, MissingOrDamagedStatisticsAreNamed) {
    TempFolder start;
    TempFolder data;
    facegen::writeDatabase(data.text(), facegen::generateFaces(3, 7), facegen::Pictures::None);
    facegen::HeadlessAnalysis session(start.text());
    session.openFolder(data.text());
    EXPECT_EQ(session.statisticsFault(), "");

    const std::string median = data.read("Median.vis");
    data.write("Median.vis", median.substr(0, median.size() / 2));
    EXPECT_EQ(session.statisticsFault(),
              data.file("Median.vis") + " is damaged (Input past end of file)");
    std::filesystem::remove(data.path() / "Lower.vis");
    EXPECT_EQ(session.statisticsFault(), data.file("Lower.vis") + " is missing");
    std::filesystem::remove(data.path() / "Upper.vis");
    std::filesystem::create_directory(data.path() / "Upper.vis");
    EXPECT_EQ(session.statisticsFault(), data.file("Upper.vis") + " is missing");
}

// View at the first press after a run, as the driver asks it: every style enabled, the chosen
// style's page written too, and the page View opens recorded.
TEST(HeadlessAnalysis, ViewWritesTheReportPagesOfTheChosenStyle) {
    TempFolder start;
    TempFolder data;
    const auto faces = facegen::generateFaces(6, 11);
    facegen::writeDatabase(data.text(), faces, facegen::Pictures::None);
    facegen::HeadlessAnalysis session(start.text());
    session.openFolder(data.text());
    ASSERT_TRUE(session.chooseFirstFace(common::faceFileName(faces[0].face.name)));
    session.setWebLinks(true);
    session.runFolderComparison();
    session.viewResults(4);
    ASSERT_FALSE(session.failed()) << session.platform.errors.front();
    for (const char* page : {"Results_1.htm", "Results_2.htm", "Results_3.htm",
                             "Results_Heights.htm", "Results_Profile.htm"}) {
        EXPECT_TRUE(data.read(page).starts_with("<html>")) << page;
    }
    EXPECT_FALSE(common::fileExists(data.file("Results_Colours.htm")));
    ASSERT_EQ(session.platform.openedDocuments.size(), 1u);
    EXPECT_EQ(session.platform.openedDocuments[0], data.file("Results_Heights.htm"));
    EXPECT_TRUE(data.read("HeightResults.tmp").ends_with("\r\n99999"));
}
