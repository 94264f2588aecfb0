#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tools/face_generator/face_generator.h"

namespace {

// Portrait point k (1 to 20) of a face.
struct Points {
    const common::WizardFace& face;
    int x(int k) const { return face.points[static_cast<std::size_t>(k - 1)].x; }
    int y(int k) const { return face.points[static_cast<std::size_t>(k - 1)].y; }
};

}  // namespace

// The landmarks keep the order of a real face, so every measure the scorers take has a value and
// the face looks like a face in the plotter.
TEST(FaceShape, LandmarksKeepTheirAnatomicalOrder) {
    for (const std::uint32_t seed : {1u, 77u, 4000000000u}) {
        for (const auto& generated : facegen::generateFaces(2000, seed)) {
            const Points p{generated.face};
            SCOPED_TRACE(generated.face.name);
            ASSERT_EQ(p.y(1), 0);
            ASSERT_EQ(p.y(2), 1000);
            for (int k = 1; k <= 20; ++k) {
                if (k != 5) {
                    EXPECT_LT(p.x(5), p.x(k)) << "point " << k << " left of the face edge";
                }
                EXPECT_GT(p.x(k), 0);
            }
            // Denominators of the face-shape and nose-shape scorers.
            EXPECT_GT(p.x(4) - p.x(5), 300);
            EXPECT_GT(p.x(4) - p.x(19), 50);
            // Eye: outer edge, pupil, inner edge from left to right; lids around the pupil.
            EXPECT_LT(p.x(2), p.x(6));
            EXPECT_LT(p.x(6), p.x(7));
            EXPECT_LT(p.y(9), p.y(6));
            EXPECT_LT(p.y(6), p.y(10));
            // Eyebrow above the eye, its top the highest point.
            EXPECT_LT(p.x(11), p.x(13));
            EXPECT_LT(p.y(10), p.y(12));
            for (const int k : {11, 12, 13}) {
                EXPECT_LT(p.y(k), p.y(3));
            }
            // Nose and mouth down the centre: nostril top, nose tip, under the nose, lips.
            EXPECT_LT(p.y(4), p.y(18));
            EXPECT_LT(p.y(17), p.y(4));
            EXPECT_LT(p.y(14), p.y(17));
            EXPECT_LT(p.y(15), p.y(14));
            EXPECT_LT(p.y(16), p.y(15));
            EXPECT_GT(p.y(16), 0);
            EXPECT_LT(p.x(15), p.x(14));
            EXPECT_LT(p.x(14), p.x(4) + 20);
        }
    }
}

// Every measure the scorers compare varies from face to face around a typical value; a measure
// that stayed constant would score every pair the same.
TEST(FaceShape, ScoredMeasuresVary) {
    const auto faces = facegen::generateFaces(1000, 5);
    struct Measure {
        const char* name;
        std::function<double(const Points&)> of;
        double leastSpread;  // whole-number measures must differ by more than their jitter
    };
    const std::vector<Measure> measures{
        {"face length", [](const Points& p) { return p.y(3); }, 4},
        {"half width", [](const Points& p) { return p.x(4) - p.x(5); }, 4},
        {"eyebrow span", [](const Points& p) { return p.x(13) - p.x(11); }, 4},
        {"eye span", [](const Points& p) { return p.x(7) - p.x(2); }, 4},
        {"inner eye drop", [](const Points& p) { return 1000 - p.y(7); }, 4},
        {"lid offset", [](const Points& p) { return p.x(10) - p.x(9); }, 4},
        {"nose height over nostril",
         [](const Points& p) { return double(p.y(6) - p.y(4)) / (p.x(4) - p.x(19)); }, 0},
        {"nostril over face",
         [](const Points& p) { return double(p.x(4) - p.x(19)) / (p.x(4) - p.x(5)); }, 0},
        {"nostril height", [](const Points& p) { return p.y(18) - p.y(4); }, 4},
        {"mouth area", [](const Points& p) { return (p.x(4) - p.x(15)) * (p.y(14) - p.y(16)); }, 4},
        {"nose to lip", [](const Points& p) { return p.y(4) - p.y(14); }, 4},
        {"bottom lip", [](const Points& p) { return p.y(16); }, 4},
    };
    for (const auto& [name, measure, leastSpread] : measures) {
        std::vector<double> values;
        for (const auto& generated : faces) {
            values.push_back(measure(Points{generated.face}));
        }
        std::sort(values.begin(), values.end());
        const double low = values[values.size() / 10];
        const double middle = values[values.size() / 2];
        const double high = values[values.size() * 9 / 10];
        // The middle 80% spans several percent of the typical value, and not beyond reason.
        EXPECT_GT(high - low, std::abs(middle) * 0.04 + leastSpread) << name;
        EXPECT_LT(high - low, std::abs(middle) * 1.5 + 10 * leastSpread) << name;
    }
}

TEST(FaceShape, AnglesStayInTheirRangesAndVary) {
    const std::array<std::pair<int, int>, 10> ranges{{{20, 60},
                                                      {20, 60},
                                                      {30, 70},
                                                      {5, 35},
                                                      {5, 35},
                                                      {20, 60},
                                                      {20, 60},
                                                      {0, 15},
                                                      {0, 15},
                                                      {50, 90}}};
    const auto faces = facegen::generateFaces(1000, 6);
    for (std::size_t j = 0; j < ranges.size(); ++j) {
        int low = 1000;
        int high = -1;
        for (const auto& generated : faces) {
            const int a = generated.face.angles[j];
            low = std::min(low, a);
            high = std::max(high, a);
        }
        EXPECT_GE(low, ranges[j].first) << "angle " << j + 1;
        EXPECT_LE(high, ranges[j].second) << "angle " << j + 1;
        EXPECT_GE(high - low, (ranges[j].second - ranges[j].first) / 2) << "angle " << j + 1;
    }
}
