#include <gtest/gtest.h>

#include "analysis/engine/face_loading.h"
#include "analysis/program.h"
#include "common/facefile/face_file_writer.h"
#include "common/files/text_file.h"
#include "common/headless/recording_platform.h"
#include "tests/common/temp_folder.h"
#include "vismaker/stats/limits.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

namespace {

common::WizardFace face(const std::string& name, int shift) {
    common::WizardFace f;
    f.name = name;
    f.description = "Model, British";
    for (int k = 0; k < 20; ++k) {
        f.points[static_cast<std::size_t>(k)] = {static_cast<std::int16_t>(100 + 30 * k + shift),
                                                 static_cast<std::int16_t>(1000 - 40 * k - shift)};
    }
    f.points[0] = {static_cast<std::int16_t>(600 + shift), 0};
    for (int j = 0; j < 10; ++j) {
        f.angles[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(10 + 3 * j + shift / 10);
    }
    f.heightText = "170";
    f.colours = common::FaceColours{0x102030, 0x405060, 0x708090};
    return f;
}

}  // namespace

// Faces written as the wizard writes them, summed up as the statistics builder does, then loaded
// by the analysis program: the average face lands two elements higher than a face slot's points.
TEST(StatisticsRoundTrip, WizardFacesToAverageFace) {
    TempFolder folder;
    const std::array<common::WizardFace, 3> faces{face("Anna", 0), face("Bea", 40),
                                                  face("Cleo", 80)};
    vismaker::FaceValues values;
    vismaker::Limits limits;
    for (const auto& f : faces) {
        common::writeFaceFile(folder.text(), f);
        vismaker::ReadFaceValues(common::faceFileText(f), values);
        vismaker::UpdateLimits(values, limits);
    }
    vismaker::WriteVisFiles(folder.text(), limits, static_cast<int>(faces.size()));
    folder.write("Bea3.jpg", "\xFF\xD8\xFF");

    common::RecordingPlatform platform;
    forms::Application app(platform, folder.text());
    analysis::AnalysisProgram program(app);
    program.start();
    analysis::LoadFirstFace(program, "Bea.txt");

    EXPECT_FALSE(program.NoMedianWindow.Visible());
    const auto& face1 = program.Face1;
    const auto& stats = program.Statistics;
    // Bea lies midway between Anna and Cleo in every measurement: her point 1 is the average's.
    EXPECT_EQ(face1.Coords[53], 640);
    EXPECT_EQ(face1.Coords[54], 0);
    EXPECT_EQ(stats.MedianCoords[53], 0);
    EXPECT_EQ(stats.MedianCoords[54], 0);
    EXPECT_EQ(stats.MedianCoords[55], 640);
    EXPECT_EQ(stats.MedianCoords[56], 0);
    EXPECT_EQ(stats.UpperCoords[55], 680);
    EXPECT_EQ(stats.LowerCoords[55], 600);
    // Point 2 and the first portrait angle, stored negative.
    EXPECT_EQ(stats.MedianCoords[57], face1.Coords[55]);
    EXPECT_EQ(stats.MedianCoords[58], face1.Coords[56]);
    EXPECT_EQ(face1.Angles[21], -14);
    EXPECT_EQ(stats.MedianAngles[21], -14);
    EXPECT_EQ(stats.UpperAngles[21], -18);
    EXPECT_EQ(stats.LowerAngles[21], -10);
    EXPECT_EQ(stats.MedianCoords[47], 9999);
    EXPECT_EQ(face1.FaceHeight, 170);
    EXPECT_EQ(program.MainWindow.Person1.Caption, "Bea");
}
