#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <string>

#include "tools/face_generator/face_database.h"
#include "tools/sample_data/sample_database.h"
#include "vismaker/stats/vis_files.h"

namespace {

// The plotter's profile view: a chain of lines through twelve profile points, 3 twips a unit,
// the chin line 4,500 twips down the canvas and a face's y growing upwards; face A and the
// average face start 1,500 twips from the left, face B 1,700. The canvas is 9,300 by 5,505 twips.
constexpr std::array<int, 12> kChain{5, 6, 3, 12, 11, 17, 16, 21, 18, 22, 23, 1};
constexpr int kScale = 3;
constexpr int kChinY = 4500;
constexpr int kBaseA = 1500;
constexpr int kBaseB = 1700;
constexpr int kBaseAverage = 1500;
constexpr int kCanvasWidth = 9300;
constexpr int kCanvasHeight = 5505;

struct Extent {
    int left;
    int top;
    int right;
    int bottom;
};

// Profile point k as x and y in face units.
using ProfilePoint = std::function<common::FacePoint(int k)>;

// The box on the canvas that the drawn chain covers.
Extent extentOf(const ProfilePoint& point, int base) {
    Extent extent{kCanvasWidth, kCanvasHeight, 0, 0};
    for (const int k : kChain) {
        const common::FacePoint p = point(k);
        const int x = base + kScale * p.x;
        const int y = kChinY - kScale * p.y;
        extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x),
                  std::max(extent.bottom, y)};
    }
    return extent;
}

bool onCanvas(const Extent& extent) {
    return extent.left >= 0 && extent.top >= 0 && extent.right <= kCanvasWidth &&
           extent.bottom <= kCanvasHeight;
}

std::string describe(const Extent& e) {
    return "(" + std::to_string(e.left) + ", " + std::to_string(e.top) + ") to (" +
           std::to_string(e.right) + ", " + std::to_string(e.bottom) + ")";
}

}  // namespace

TEST(SampleFaces, FortyEightWithUniqueNamesAndSomeSideViews) {
    const auto faces = sample::sampleFaces();
    ASSERT_EQ(faces.size(), 48u);
    std::set<std::string> names;
    for (const auto& face : faces) {
        names.insert(face.face.name);
    }
    EXPECT_EQ(names.size(), faces.size());
    const auto withProfile =
        std::ranges::count_if(faces, [](const auto& f) { return f.profile.has_value(); });
    EXPECT_GE(withProfile, 8) << "the profile view needs faces to show";
}

// Every side view stays on the canvas whether the face is loaded as face A or as face B; before
// the faces were chosen, three foreheads ran off the top.
TEST(SampleFaces, EverySideViewFitsThePlotterCanvas) {
    for (const auto& face : sample::sampleFaces()) {
        if (!face.profile) {
            continue;
        }
        const ProfilePoint point = [&face](int k) {
            return face.profile->points[static_cast<std::size_t>(k) - 1];
        };
        for (const int base : {kBaseA, kBaseB}) {
            const Extent extent = extentOf(point, base);
            EXPECT_TRUE(onCanvas(extent))
                << face.face.name << " from x " << base << ": " << describe(extent);
        }
    }
}

// The average face of the statistics files is drawn as face C.
TEST(SampleFaces, TheAverageSideViewFitsThePlotterCanvas) {
    const auto files = facegen::faceFiles(sample::sampleFaces());
    const vismaker::FaceValues average = vismaker::MidValues(facegen::statisticsLimits(files));
    const ProfilePoint point = [&average](int k) {
        const auto at = static_cast<std::size_t>(2 * k - 2);
        return common::FacePoint{average.profilePoints[at], average.profilePoints[at + 1]};
    };
    const Extent extent = extentOf(point, kBaseAverage);
    EXPECT_TRUE(onCanvas(extent)) << describe(extent);
}
