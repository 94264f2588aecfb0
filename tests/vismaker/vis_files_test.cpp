#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

using namespace vismaker;

namespace {

const std::string kThreeFaces = TEST_DATA_DIR "/vis/three_faces";

// The face file's text as the run gathers it: every line followed by CR LF.
std::string gatheredText(const std::string& path) {
    common::TextFileReader reader(path);
    std::string text;
    while (!reader.eof()) {
        text += reader.lineInput();
        text += common::kCrLf;
    }
    return text;
}

Limits threeFaceLimits() {
    Limits limits;
    FaceValues values;
    for (const char* name : {"Anna.txt", "Ben.txt", "Cleo.txt"}) {
        ReadFaceValues(gatheredText(common::joinPath(kThreeFaces, name)), values);
        UpdateLimits(values, limits);
    }
    return limits;
}

Limits limitsOf(const FaceValues& maxValues, const FaceValues& minValues) {
    return Limits{maxValues, minValues, true};
}

// Reads a statistics file the way the analysis program loads it: an item reader that drops the
// head lines and takes the words of the section heads as items worth 0.
struct LoadedStatistics {
    std::vector<int> coords;
    std::vector<int> angles;
};

LoadedStatistics loadBack(const std::string& path) {
    common::TextFileReader reader(path);
    const auto read = [&reader](int count, std::vector<int>& into) {
        for (int i = 0; i < count; ++i) {
            into.push_back(static_cast<int>(common::Val(reader.inputItem())));
        }
    };
    const auto drop = [&reader](int items, int lines) {
        for (int i = 0; i < items; ++i) {
            reader.inputItem();
        }
        for (int i = 0; i < lines; ++i) {
            reader.lineInput();
        }
    };
    LoadedStatistics loaded;
    drop(0, 4);
    read(47, loaded.coords);
    drop(0, 2);
    read(42, loaded.coords);
    drop(2, 2);
    read(19, loaded.angles);
    drop(2, 2);
    read(10, loaded.angles);
    return loaded;
}

LoadedStatistics expectedLoad(const FaceValues& values) {
    LoadedStatistics expected;
    const auto add = [](std::vector<int>& into, const auto& list, std::size_t count) {
        into.insert(into.end(), list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count));
    };
    add(expected.coords, values.profilePoints, 46);
    expected.coords.insert(expected.coords.end(), {99999, 0, 0});  // end value, "NormX2, NormY2"
    add(expected.coords, values.portraitPoints, 40);
    expected.angles.push_back(0);  // "Angles1"
    add(expected.angles, values.profileAngles, 18);
    expected.angles.push_back(0);  // "Angles2"
    add(expected.angles, values.portraitAngles, 9);
    return expected;
}

}  // namespace

TEST(MidValues, FloorOfHalfTheRangeAboveTheMinimum) {
    FaceValues maxValues;
    FaceValues minValues;
    maxValues.profilePoints[0] = 7;  // 7 and 2 give 4
    minValues.profilePoints[0] = 2;
    maxValues.profilePoints[1] = 8;  // a range of 1 gives the minimum
    minValues.profilePoints[1] = 7;
    maxValues.portraitPoints[0] = -3;  // equal limits give both
    minValues.portraitPoints[0] = -3;
    maxValues.portraitPoints[1] = 1;
    minValues.portraitPoints[1] = -8;
    maxValues.portraitAngles[0] = -41;  // steepest and flattest slope: Int(-10.5) - 20
    minValues.portraitAngles[0] = -20;
    const FaceValues mid = MidValues(limitsOf(maxValues, minValues));
    EXPECT_EQ(mid.profilePoints[0], 4);
    EXPECT_EQ(mid.profilePoints[1], 7);
    EXPECT_EQ(mid.portraitPoints[0], -3);
    EXPECT_EQ(mid.portraitPoints[1], -4);
    EXPECT_EQ(mid.portraitAngles[0], -31);
}

TEST(MidValues, RangeBeyondSixteenBitsNeverOverflows) {
    FaceValues maxValues;
    FaceValues minValues;
    maxValues.portraitPoints[3] = 30000;
    minValues.portraitPoints[3] = -30000;
    maxValues.profilePoints[0] = 32767;
    minValues.profilePoints[0] = -32768;
    const FaceValues mid = MidValues(limitsOf(maxValues, minValues));
    EXPECT_EQ(mid.portraitPoints[3], 0);
    EXPECT_EQ(mid.profilePoints[0], -1);
}

TEST(BuildVisFiles, SingleFaceGivesItsOwnValuesEverywhere) {
    FaceValues face;
    for (std::size_t i = 0; i < face.portraitPoints.size(); ++i) {
        face.portraitPoints[i] = static_cast<std::int16_t>(17 * i) - 300;
    }
    face.profilePoints[3] = 12;
    face.profileAngles[2] = -9;
    face.portraitAngles[4] = -135;
    Limits limits;
    UpdateLimits(face, limits);
    const VisFiles files = BuildVisFiles(limits, 57);
    EXPECT_EQ(files.midValues, face);
    EXPECT_EQ(files.upper.substr(10), files.lower.substr(10));  // all but "Max"/"Min values"
    EXPECT_EQ(files.median, common::quotedItem("Average face\r\n" + files.upper.substr(12)));
    EXPECT_EQ(files.upper.substr(0, 39), "Max values\r\nFace data from 57 faces\r\n\r\n");
}

TEST(WriteVisFiles, ThreeFacesGiveTheWorkedOutFiles) {
    TempFolder folder;
    const FaceValues mid = WriteVisFiles(folder.text(), threeFaceLimits(), 3);
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        EXPECT_EQ(folder.read(name), common::readWholeFile(common::joinPath(kThreeFaces, name)))
            << name;
    }
    EXPECT_EQ(mid.portraitAngles[5], -46);  // -90 and -1: Int(-44.5) - 1
}

TEST(WriteVisFiles, FilesLoadBackThroughAnItemReader) {
    TempFolder folder;
    const Limits limits = threeFaceLimits();
    const FaceValues mid = WriteVisFiles(folder.text(), limits, 3);
    const auto check = [&folder](const char* name, const FaceValues& values) {
        const LoadedStatistics loaded = loadBack(folder.file(name));
        const LoadedStatistics expected = expectedLoad(values);
        EXPECT_EQ(loaded.coords, expected.coords) << name;
        EXPECT_EQ(loaded.angles, expected.angles) << name;
    };
    check("Upper.vis", limits.maxValues);
    check("Lower.vis", limits.minValues);
    check("Median.vis", mid);
}

TEST(WriteVisFiles, MedianIsOneQuotedItem) {
    TempFolder folder;
    WriteVisFiles(folder.text(), threeFaceLimits(), 3);
    const std::string median = folder.read("Median.vis");
    EXPECT_EQ(median.substr(0, 15), "\"Average face\r\n");
    EXPECT_EQ(median.substr(median.size() - 17), ",99999,99999\r\n\"\r\n");
    EXPECT_EQ(std::count(median.begin(), median.end(), '"'), 2);
}

TEST(WriteVisFiles, LaterRunOverFewerFilesLeavesNothingOfTheOlderFiles) {
    TempFolder folder;
    const std::string older(20000, '9');
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        folder.write(name, older);
    }
    Limits limits;
    UpdateLimits(FaceValues{}, limits);
    WriteVisFiles(folder.text(), limits, 1);
    const VisFiles expected = BuildVisFiles(limits, 1);
    EXPECT_EQ(folder.read("Upper.vis"), expected.upper);
    EXPECT_EQ(folder.read("Lower.vis"), expected.lower);
    EXPECT_EQ(folder.read("Median.vis"), expected.median);
}

TEST(WriteVisFiles, AFailedSaveLeavesTheOlderFilesUntouched) {
    TempFolder folder;
    for (const char* name : {"Upper.vis", "Lower.vis"}) {
        folder.write(name, "older\r\n");
    }
    // A folder under the name of Median.vis: the set cannot be put in place.
    folder.subfolder("Median.vis");
    Limits limits;
    UpdateLimits(FaceValues{}, limits);
    EXPECT_THROW(WriteVisFiles(folder.text(), limits, 2), common::Error);
    for (const char* name : {"Upper.vis", "Lower.vis"}) {
        EXPECT_EQ(folder.read(name), "older\r\n") << name;
    }
}
