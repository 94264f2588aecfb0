#include "tools/face_generator/face_database.h"

#include <gtest/gtest.h>

#include "analysis/engine/face_loading.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/forms/file_listing.h"
#include "common/headless/recording_platform.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"
#include "tests/tools/face_generator/face_lines.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

namespace {

bool exists(const TempFolder& folder, const std::string& name) {
    return common::fileExists(folder.file(name));
}

}  // namespace

// The statistics are those the statistics builder makes of the folder as written: every "*.txt"
// in the file list's order, read from disk, the count of the list on line 2.
TEST(FaceDatabase, StatisticsAreTheBuildersOverTheWrittenFolder) {
    TempFolder folder;
    const auto faces = facegen::generateFaces(60, 21);
    facegen::writeDatabase(folder.text(), faces);

    const auto listed = forms::listFiles(folder.text(), "*.txt");
    ASSERT_EQ(listed.size(), faces.size());
    vismaker::Limits limits;
    vismaker::FaceValues values;
    for (const std::string& name : listed) {
        vismaker::ReadFaceValues(folder.read(name), values);
        vismaker::UpdateLimits(values, limits);
    }
    const auto expected = vismaker::BuildVisFiles(limits, static_cast<int>(listed.size()));
    EXPECT_EQ(folder.read("Upper.vis"), expected.upper);
    EXPECT_EQ(folder.read("Lower.vis"), expected.lower);
    EXPECT_EQ(folder.read("Median.vis"), expected.median);
    EXPECT_EQ(crLfLines(folder.read("Upper.vis"))[1], "Face data from 60 faces");

    for (const auto& face : faces) {
        EXPECT_EQ(folder.read(common::faceFileName(face.face.name)), facegen::faceText(face));
    }
    EXPECT_FALSE(exists(folder, common::Trim(faces[0].face.name) + "1.jpg"));
}

// A generated database is one the analysis program can open: faces with their placeholder
// pictures, and statistics it reads without the missing-statistics window.
TEST(FaceDatabase, AnalysisProgramLoadsItsFacesAndStatistics) {
    TempFolder folder;
    const auto faces = facegen::generateFaces(12, 3);
    facegen::writeDatabase(folder.text(), faces, facegen::Pictures::Placeholders);

    common::RecordingPlatform platform;
    for (const auto& face : faces) {
        for (const char* view : {"1.jpg", "3.jpg"}) {
            EXPECT_NO_THROW(platform.checkPicture(folder.file(face.face.name + view)));
        }
    }

    forms::Application app(platform, folder.text());
    analysis::AnalysisProgram program(app);
    program.start();
    program.MainWindow.Dir1.setPath(folder.text());
    const std::string& name = faces[4].face.name;
    analysis::LoadFirstFace(program, name + ".txt");

    EXPECT_TRUE(platform.errors.empty());
    EXPECT_FALSE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.MainWindow.Person1.Caption, name);
    EXPECT_EQ(program.Face1.Coords[53], faces[4].face.points[0].x);
    EXPECT_EQ(program.Face1.Coords[56], 1000);
    // The average face lies between the smallest and the largest face of the folder.
    for (int e = 53; e <= 92; ++e) {
        EXPECT_LE(program.Statistics.LowerCoords[e + 2], program.Statistics.MedianCoords[e + 2]);
        EXPECT_LE(program.Statistics.MedianCoords[e + 2], program.Statistics.UpperCoords[e + 2]);
    }
    EXPECT_EQ(program.Statistics.MedianCoords[58], 1000);
}

TEST(FaceDatabase, RefusesBeforeWritingAnything) {
    TempFolder folder;
    auto faces = facegen::generateFaces(5, 8);

    // Another face file in the folder would be left out of the statistics.
    folder.write("Somebody Else.txt", "Somebody Else\r\n");
    EXPECT_THROW(facegen::writeDatabase(folder.text(), faces), common::Error);
    EXPECT_EQ(forms::listFiles(folder.text(), "*").size(), 1u);

    // Two faces of one name would leave one file for two faces.
    TempFolder second;
    faces[3].face.name = faces[1].face.name;
    EXPECT_THROW(facegen::writeDatabase(second.text(), faces), common::Error);
    faces[3].face.name = "   ";
    EXPECT_THROW(facegen::writeDatabase(second.text(), faces), common::Error);
    EXPECT_TRUE(forms::listFiles(second.text(), "*").empty());
}

TEST(FaceDatabase, FolderEdges) {
    TempFolder folder;
    // A missing folder is made; writing the same database again replaces its own files.
    const std::string inner = folder.file("new") + "/faces";
    const auto faces = facegen::generateFaces(4, 2);
    facegen::writeDatabase(inner, faces, facegen::Pictures::Placeholders);
    EXPECT_NO_THROW(facegen::writeDatabase(inner, faces, facegen::Pictures::Placeholders));
    EXPECT_EQ(forms::listFiles(inner, "*").size(), 4u * 3u + 3u);

    // No faces, no statistics, as the statistics builder writes none for an empty folder.
    TempFolder empty;
    facegen::writeDatabase(empty.text(), {});
    EXPECT_TRUE(forms::listFiles(empty.text(), "*").empty());

    // A folder path that is a file cannot take the database.
    folder.write("plain", "x");
    EXPECT_THROW(facegen::writeDatabase(folder.file("plain"), faces), common::Error);
}
