#include <gtest/gtest.h>

#include "vismaker/stats/limits.h"

using namespace vismaker;

namespace {

FaceValues withPortraitAngle(std::int16_t angle) {
    FaceValues face;
    face.portraitAngles[0] = angle;
    return face;
}

}  // namespace

TEST(UpdateLimits, FirstFaceSetsBothLimitsZerosIncluded) {
    FaceValues face;
    face.profilePoints[0] = -4;
    face.portraitPoints[41] = 9;
    face.profileAngles[18] = -3;
    Limits limits;
    UpdateLimits(face, limits);
    EXPECT_TRUE(limits.holdsFace);
    EXPECT_EQ(limits.maxValues, face);
    EXPECT_EQ(limits.minValues, face);
}

TEST(UpdateLimits, PointsWidenByValue) {
    Limits limits;
    FaceValues face;
    face.profilePoints[5] = 10;
    face.portraitPoints[7] = -10;
    UpdateLimits(face, limits);
    face.profilePoints[5] = 25;
    face.portraitPoints[7] = -30;
    UpdateLimits(face, limits);
    face.profilePoints[5] = -5;
    face.portraitPoints[7] = 0;
    UpdateLimits(face, limits);
    EXPECT_EQ(limits.maxValues.profilePoints[5], 25);
    EXPECT_EQ(limits.minValues.profilePoints[5], -5);
    EXPECT_EQ(limits.maxValues.portraitPoints[7], 0);
    EXPECT_EQ(limits.minValues.portraitPoints[7], -30);
}

TEST(UpdateLimits, AnglesSkipZeroAndCompareByMagnitudeKeepingTheSign) {
    Limits limits;
    UpdateLimits(withPortraitAngle(-20), limits);
    UpdateLimits(withPortraitAngle(-41), limits);
    UpdateLimits(withPortraitAngle(0), limits);
    UpdateLimits(withPortraitAngle(30), limits);
    EXPECT_EQ(limits.maxValues.portraitAngles[0], -41);
    EXPECT_EQ(limits.minValues.portraitAngles[0], -20);
    UpdateLimits(withPortraitAngle(45), limits);
    UpdateLimits(withPortraitAngle(12), limits);
    EXPECT_EQ(limits.maxValues.portraitAngles[0], 45);
    EXPECT_EQ(limits.minValues.portraitAngles[0], 12);
}

TEST(UpdateLimits, ZeroAngleOfTheFirstFaceStaysTheMinimum) {
    Limits limits;
    UpdateLimits(withPortraitAngle(0), limits);
    UpdateLimits(withPortraitAngle(-10), limits);
    EXPECT_EQ(limits.maxValues.portraitAngles[0], -10);
    EXPECT_EQ(limits.minValues.portraitAngles[0], 0);
}
