#include <gtest/gtest.h>

#include "analysis/engine/scoring/colour_distance.h"
#include "analysis/engine/scoring/similarity.h"

using namespace analysis;

TEST(MeasurementSimilarity, WorkedExamples) {
    EXPECT_EQ(MeasurementSimilarity(500, 500, 300, 20), 100);
    EXPECT_EQ(MeasurementSimilarity(500, 500, 300, 0), 100);
    EXPECT_EQ(MeasurementSimilarity(400, 500, 300, 20), 50);
    EXPECT_EQ(MeasurementSimilarity(420, 500, 300, 20), 60);
    EXPECT_EQ(MeasurementSimilarity(310, 500, 300, 20), 50) << "same side floor is Int(100 t)";
    EXPECT_EQ(MeasurementSimilarity(300, 310, 300, 20), 0);
    EXPECT_EQ(MeasurementSimilarity(310, 300, 300, 20), 100);
    EXPECT_EQ(MeasurementSimilarity(200, 450, 300, 20), 40);
    EXPECT_EQ(MeasurementSimilarity(200, 460, 300, 20), 0);
    EXPECT_EQ(MeasurementSimilarity(10, -10, 0, 20), 50);
}

TEST(MeasurementSimilarity, NeverAboveOneHundred) {
    EXPECT_EQ(MeasurementSimilarity(310, 500, 300, 10), 90);
    EXPECT_EQ(MeasurementSimilarity(310, 500, 300, 8), 100);
    EXPECT_EQ(MeasurementSimilarity(310, 500, 300, 1), 100);
    EXPECT_EQ(MeasurementSimilarity(310, 500, 300, 0), 100) << "slider 0 counts as 1";
    EXPECT_DOUBLE_EQ(similarityTolerance(0), similarityTolerance(1));
    EXPECT_DOUBLE_EQ(similarityTolerance(20), 0.5);
    EXPECT_DOUBLE_EQ(similarityTolerance(1), 8.1);
}

TEST(MeasurementSimilarity, RatiosAsDoubles) {
    // 1/3 over 2/3 of the way: r = d1 / d2 first, then the floor of 100 r.
    EXPECT_EQ(MeasurementSimilarity(1.0 / 3, 2.0 / 3, 0, 20), 50);
    EXPECT_EQ(MeasurementSimilarity(0.29, 1.0, 0, 20), 50);
    EXPECT_EQ(MeasurementSimilarity(0.7, 1.0, 0, 20), 70);
}

// The order of the operations decides the last bit: 100 x 29 / 50 is 58, 100 x (29 / 50)
// is 57.99...
TEST(MeasurementSimilarity, OperationsInTheirWrittenOrder) {
    EXPECT_EQ(MeasurementSimilarity(329, 350, 300, 20), 57) << "r = d1 / d2 first, then Int(100 r)";
    EXPECT_EQ(MeasurementSimilarity(271, 321, 300, 20), 58) << "Int(100 d1 / (d1 + d2))";
    EXPECT_EQ(strictSimilarity(329, 350, 300), 58) << "Int(100 smaller / larger)";
}

TEST(StrictRule, WorkedExamples) {
    EXPECT_EQ(strictSimilarity(300, 400, 350), 0);
    EXPECT_EQ(strictSimilarity(300, 400, 200), 50);
    EXPECT_EQ(strictSimilarity(400, 300, 200), 50);
    EXPECT_EQ(strictSimilarity(350, 400, 350), 0);
    EXPECT_EQ(strictSimilarity(350, 350, 350), 100);
    EXPECT_EQ(strictSimilarity(-20, -30, -10), 50);
}

TEST(Colours, DistanceAndKey) {
    EXPECT_EQ(ColourDistance(255, 255 * 256), 510);
    EXPECT_EQ(ColourDistance(8421504, 8421504), 0);
    EXPECT_EQ(ColourDistance(0, 0xFFFFFF), 765);
    EXPECT_EQ(ColourDistance(0x102030, 0x302010), 0x20 + 0 + 0x20);
    EXPECT_EQ(colourKey(7), "007");
    EXPECT_EQ(colourKey(45), "045");
    EXPECT_EQ(colourKey(999), "999");
    EXPECT_EQ(colourKey(0), "000");
    EXPECT_EQ(colourKey(1234), "1234") << "four-digit totals keep every digit";
}
