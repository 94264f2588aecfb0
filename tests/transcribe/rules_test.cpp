#include <gtest/gtest.h>

#include "transcribe/colour_parsing.h"
#include "transcribe/entry_rules.h"
#include "transcribe/normalise.h"

using transcribe::RawPoints;

TEST(ImperialEcho, FeetAndHalfInches) {
    using transcribe::imperialEcho;
    EXPECT_EQ(imperialEcho("175", "ft", "inches"), "=  5 ft  8.5 inches");
    EXPECT_EQ(imperialEcho("0", "ft", "inches"), "=  0 ft  0 inches");
    EXPECT_EQ(imperialEcho("abc", "ft", "inches"), "=  0 ft  0 inches");
    // Remainders: 7.3 inches stays 7, 7.45 and 7.95 both show 7.5.
    EXPECT_EQ(imperialEcho(std::to_string(67.45 * 2.54), "pi", "po"), "=  5 pi  7.5 po");
    EXPECT_EQ(imperialEcho(std::to_string(67.95 * 2.54), "ft", "in"), "=  5 ft  7.5 in");
    EXPECT_EQ(imperialEcho(std::to_string(67.3 * 2.54), "ft", "in"), "=  5 ft  7 in");
    EXPECT_EQ(imperialEcho("", "ft", "inches"), std::nullopt);
    EXPECT_EQ(imperialEcho("1e400", "ft", "inches"), std::nullopt);
}

TEST(EntryRules, PointMagnitudesRoundHalfToEvenAndRefuseWhatDoesNotFit) {
    using transcribe::pointMagnitude;
    EXPECT_EQ(pointMagnitude("-25"), 25);
    EXPECT_EQ(pointMagnitude("12.5"), 12);
    EXPECT_EQ(pointMagnitude("13.5"), 14);
    EXPECT_EQ(pointMagnitude("32767"), 32767);
    EXPECT_EQ(pointMagnitude("32767.4"), 32767);
    EXPECT_EQ(pointMagnitude("32767.5"), std::nullopt);
    EXPECT_EQ(pointMagnitude("-99999999"), std::nullopt);
    EXPECT_EQ(pointMagnitude("1e400"), std::nullopt);
    EXPECT_EQ(pointMagnitude("abc"), 0);
    EXPECT_EQ(pointMagnitude("1e400"), std::nullopt);
}

TEST(EntryRules, AngleConversions) {
    using transcribe::convertPspAngle;
    using transcribe::typedAngle;
    EXPECT_EQ(typedAngle(" 35 "), 35);
    EXPECT_EQ(typedAngle("-20"), 20);
    EXPECT_EQ(typedAngle("40000"), std::nullopt);
    const std::pair<const char*, int> psp[] = {{"90", 0},   {"135", 45}, {"45", 135},  {"0", 90},
                                               {"300", 30}, {"270", 0},  {" 100 ", 10}};
    for (const auto& [typed, stored] : psp) {
        EXPECT_EQ(convertPspAngle(typed), stored) << typed;
    }
    EXPECT_EQ(convertPspAngle("1000000"), std::nullopt);
}

TEST(EntryRules, PaintAnglesFromDeltas) {
    using transcribe::angleFromDeltas;
    EXPECT_EQ(angleFromDeltas(10, 10), 45);
    EXPECT_EQ(angleFromDeltas(10, -10), 135);
    EXPECT_EQ(angleFromDeltas(-10, 10), 135);
    EXPECT_EQ(angleFromDeltas(100, 36), 20);
    EXPECT_EQ(angleFromDeltas(3, 4), 53);
    EXPECT_EQ(angleFromDeltas(20, 0), 0);
    // A vertical line is 90; no line at all is 0.
    EXPECT_EQ(angleFromDeltas(0, 5), 90);
    EXPECT_EQ(angleFromDeltas(0, -5), 90);
    EXPECT_EQ(angleFromDeltas(0, 0), 0);
    EXPECT_EQ(angleFromDeltas(std::numeric_limits<double>::infinity(), 1), std::nullopt);
}

TEST(ColourParsing, Hexadecimal) {
    using transcribe::parseColour;
    EXPECT_EQ(parseColour("FF8000", false), 33023);
    EXPECT_EQ(parseColour("ff8000", false), 33023);
    EXPECT_EQ(parseColour("FF8000FFFF", false), 33023);  // past the sixth is ignored
    EXPECT_EQ(parseColour("e0b090", false), 224 + 256 * 176 + 65536 * 144);
    // Positions without a hex digit count 0, whatever an earlier text held.
    EXPECT_EQ(parseColour("FFFFFF", false), 0xFFFFFF);
    EXPECT_EQ(parseColour("F", false), 240);
    EXPECT_EQ(parseColour("zz", false), 0);
    EXPECT_EQ(parseColour("", false), 0);
    EXPECT_EQ(parseColour("GG80-0", false), 128 * 256);
    // Outside Paint mode commas are no separators.
    EXPECT_EQ(parseColour("255,128,0", false), 0x25 + 256 * 0x50 + 65536 * 0x12);
}

TEST(ColourParsing, OneLeadingHashIsNoDigit) {
    using transcribe::parseColour;
    EXPECT_EQ(parseColour("#3B6EA5", false), 0x3B + 256 * 0x6E + 65536 * 0xA5);
    EXPECT_EQ(parseColour("#3B6EA5", true), 0x3B + 256 * 0x6E + 65536 * 0xA5);
    EXPECT_EQ(parseColour("#", false), 0);
    // Only one: a second "#" is a position without a hex digit.
    EXPECT_EQ(parseColour("##3B6EA", false), 0x03 + 256 * 0xB6 + 65536 * 0xEA);
    // r,g,b in Paint mode reads "#255" by its value, which is 0.
    EXPECT_EQ(parseColour("#255,128,0", true), 256 * 128);
}

TEST(ColourParsing, PaintComponentsRoundedAndHeldToAByte) {
    using transcribe::parseColour;
    EXPECT_EQ(parseColour("255,128,0", true), 33023);
    EXPECT_EQ(parseColour("300,-5,127.5", true), 255 + 65536 * 128);
    EXPECT_EQ(parseColour("12,34,56", true), 12 + 256 * 34 + 65536 * 56);
    EXPECT_EQ(parseColour("0.5,1.5,2.5", true), 0 + 256 * 2 + 65536 * 2);
    EXPECT_EQ(parseColour("1,2,3,4", true), 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(parseColour("-300,,", true), 0);
    // Without two commas the text is hexadecimal.
    EXPECT_EQ(parseColour("FF8000", true), 33023);
    EXPECT_EQ(parseColour("255,128", true), 0x25 + 256 * 0x50 + 65536 * 0x12);
    EXPECT_EQ(parseColour("1e400,1,1", true), 256 + 65536);
}

namespace {

RawPoints chinAndEye(int chinY, int eyeY) {
    RawPoints raw{};
    raw[1] = static_cast<std::int16_t>(chinY);
    raw[3] = static_cast<std::int16_t>(eyeY);
    return raw;
}

}  // namespace

TEST(Normalise, ChinIsTheOriginAndTheEyeEdgeIsAThousand) {
    RawPoints raw = chinAndEye(600, 400);
    raw[0] = 100;
    raw[2] = 60;
    raw[4] = 33;   // point 3
    raw[5] = 333;  // 1335 exactly
    raw[6] = 7;    // point 4 below the chin
    raw[7] = 650;
    const transcribe::Normalised result = transcribe::normaliseCoordinates(raw);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.distance, 200);
    EXPECT_EQ(result.points[0].x, 500);
    EXPECT_EQ(result.points[0].y, 0);
    EXPECT_EQ(result.points[1].y, 1000);
    EXPECT_EQ(result.points[2].x, 165);
    EXPECT_EQ(result.points[2].y, 1335);
    EXPECT_EQ(result.points[3].y, -250);
    // Untyped points sit at the picture's corner: their Y is the chin's height over the eye.
    EXPECT_EQ(result.points[19].x, 0);
    EXPECT_EQ(result.points[19].y, 3000);
}

TEST(Normalise, FloorOfNegativeValuesAndNegativeDistance) {
    RawPoints raw = chinAndEye(700, 400);  // f = 10/3
    raw[4] = 1;
    raw[5] = 701;  // (700 - 701) * 10/3 = -3.33 goes down to -4
    {
        const transcribe::Normalised result = transcribe::normaliseCoordinates(raw);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.points[2].x, 3);
        EXPECT_EQ(result.points[2].y, -4);
        EXPECT_EQ(result.points[1].y, 1000);
    }
    // The eye typed below the chin mirrors every sign.
    RawPoints below = chinAndEye(400, 600);
    for (std::size_t k = 2; k < 20; ++k) {
        below[2 * k + 1] = 400;
    }
    below[0] = 100;
    below[5] = 300;
    const transcribe::Normalised mirrored = transcribe::normaliseCoordinates(below);
    ASSERT_TRUE(mirrored.ok);
    EXPECT_EQ(mirrored.distance, -200);
    EXPECT_EQ(mirrored.points[0].x, -500);
    EXPECT_EQ(mirrored.points[1].y, 1000);
    EXPECT_EQ(mirrored.points[2].y, -500);
}

TEST(Normalise, RefusesAZeroDistanceAndPointsOutsideTheFileFields) {
    const transcribe::Normalised same = transcribe::normaliseCoordinates(chinAndEye(500, 500));
    EXPECT_FALSE(same.ok);
    EXPECT_EQ(same.distance, 0);
    EXPECT_EQ(same.badPoint, 0);

    // 9999 is an ordinary distance.
    EXPECT_TRUE(transcribe::normaliseCoordinates(chinAndEye(10000, 1)).ok);

    // D = 100, f = 10: an X of 999.8 fits, 1000 does not.
    RawPoints wide = chinAndEye(600, 500);
    wide[8] = 999;
    EXPECT_TRUE(transcribe::normaliseCoordinates(wide).ok);
    wide[8] = 1000;
    const transcribe::Normalised tooWide = transcribe::normaliseCoordinates(wide);
    EXPECT_FALSE(tooWide.ok);
    EXPECT_EQ(tooWide.badPoint, 5);

    // Y: 9999 fits, 10000 does not; -999 fits, -1000 does not.
    RawPoints high = chinAndEye(600, 500);
    high[13] = static_cast<std::int16_t>(600 - 999);  // point 7: (600 - -399) * 10 = 9990
    EXPECT_TRUE(transcribe::normaliseCoordinates(high).ok);
    high[13] = static_cast<std::int16_t>(600 - 1000);
    EXPECT_EQ(transcribe::normaliseCoordinates(high).badPoint, 7);
    RawPoints low = chinAndEye(600, 500);
    low[13] = 699;  // -990
    EXPECT_TRUE(transcribe::normaliseCoordinates(low).ok);
    low[13] = 700;  // -1000
    EXPECT_EQ(transcribe::normaliseCoordinates(low).badPoint, 7);
}
