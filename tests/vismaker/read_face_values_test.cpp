#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/facefile/face_file_writer.h"
#include "common/text/error.h"
#include "tests/vismaker/face_text.h"
#include "vismaker/stats/read_face_values.h"

using namespace vismaker;

namespace {

// Values left by an earlier face, so that untouched positions show.
FaceValues earlierFace() {
    FaceValues values;
    std::ranges::fill(values.profilePoints, 7);
    std::ranges::fill(values.portraitPoints, 5);
    std::ranges::fill(values.profileAngles, 3);
    std::ranges::fill(values.portraitAngles, -2);
    return values;
}

}  // namespace

TEST(ReadFaceValues, WizardFileFillsPortraitAndAnglesButNoProfilePosition) {
    common::WizardFace face;
    face.name = "Anna";
    for (int k = 1; k <= 20; ++k) {
        face.points[k - 1] = {static_cast<std::int16_t>(k - 10),
                              static_cast<std::int16_t>(100 * k)};
    }
    face.angles = {35, 0, 12, 7, 135, 90, 3, 18, 22, 41};
    face.heightText = "172";
    face.colours = common::FaceColours{1, 2, 3};
    face.webAddress = "www.example.com";
    FaceValues values = earlierFace();

    EXPECT_FALSE(ReadFaceValues(common::faceFileText(face), values));

    EXPECT_EQ(values.profilePoints, earlierFace().profilePoints);
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(values.portraitPoints[2 * k - 2], k - 10);
        EXPECT_EQ(values.portraitPoints[2 * k - 1], 100 * k);
    }
    EXPECT_EQ(values.portraitPoints[40], 0);  // point 21, "*,*"
    EXPECT_EQ(values.portraitPoints[41], 0);
    EXPECT_TRUE(std::ranges::all_of(values.profileAngles, [](int a) { return a == 0; }));
    const std::array<std::int16_t, 10> angles = {-35, 0, -12, -7, -135, -90, -3, -18, -22, -41};
    EXPECT_EQ(values.portraitAngles, angles);
}

TEST(ReadFaceValues, ProfileFlagOnlyForAMeasuredProfileX) {
    FaceValues values;
    EXPECT_FALSE(
        ReadFaceValues(faceText({.profile = {"*,*", "*, 25"}, .portrait = {"4, 5"}}), values));
    EXPECT_EQ(values.profilePoints[3], 25);  // a measured Y alone is stored but not flagged
    EXPECT_TRUE(ReadFaceValues(faceText({.profile = {"*,*", "300, *"}}), values));
    EXPECT_EQ(values.profilePoints[2], 300);
}

TEST(ReadFaceValues, StarsKeepThePreviousFacesProfileValuesAndReadAsZeroElsewhere) {
    FaceValues values;
    ReadFaceValues(faceText({.profile = {"10, 20", "30, 40", "50, 60", "70, 80"}}), values);
    ReadFaceValues(faceText({.profile = {"*,*", "12,*", "140, *", "1, 2"},
                             .portrait = {"*, 5", "6,*"},
                             .profileAngles = {"*", "-4"},
                             .portraitAngles = {"*"}}),
                   values);
    const std::array<std::int16_t, 8> profile = {10, 20, 30, 40, 140, 60, 1, 2};
    EXPECT_TRUE(std::equal(profile.begin(), profile.end(), values.profilePoints.begin()));
    EXPECT_EQ(values.portraitPoints[0], 0);
    EXPECT_EQ(values.portraitPoints[1], 5);
    EXPECT_EQ(values.portraitPoints[2], 6);
    EXPECT_EQ(values.portraitPoints[3], 0);
    EXPECT_EQ(values.profileAngles[0], 0);
    EXPECT_EQ(values.profileAngles[1], -4);
    EXPECT_EQ(values.portraitAngles[0], 0);
}

TEST(ReadFaceValues, ValueSlicesStopAtTheirOwnLineEnd) {
    const FaceSections face = {.profile = {"5, 7", "1, 2", "8", "9, 30"},
                               .portrait = {"7", "12, 30"},
                               .portraitAngles = {"-5", "1"}};
    const std::string crLfText = faceText(face);
    FaceValues values = earlierFace();
    EXPECT_TRUE(ReadFaceValues(crLfText, values));
    EXPECT_EQ(values.profilePoints[1], 7);  // " 7", CR, LF, "1" must not read as 71
    EXPECT_EQ(values.profilePoints[4], 8);
    EXPECT_EQ(values.profilePoints[5], 0);  // no comma on its line: its Y reads as 0, stored
    EXPECT_EQ(values.profilePoints[6], 9);
    EXPECT_EQ(values.portraitPoints[0], 7);
    EXPECT_EQ(values.portraitPoints[1], 0);  // no Y reads as 0, like a portrait "*"
    EXPECT_EQ(values.portraitPoints[2], 12);
    EXPECT_EQ(values.portraitPoints[3], 30);
    EXPECT_EQ(values.portraitAngles[0], -5);
    EXPECT_EQ(values.portraitAngles[1], 1);

    std::string lfText = crLfText;
    std::erase(lfText, '\r');
    FaceValues fromLf = earlierFace();
    ReadFaceValues(lfText, fromLf);
    EXPECT_EQ(fromLf, values);

    // A lone CR ends no line: a text whose lines end so is one line, without its sections.
    std::string crText = lfText;
    std::replace(crText.begin(), crText.end(), '\n', '\r');
    FaceValues fromCr = earlierFace();
    EXPECT_THROW(ReadFaceValues(crText, fromCr), common::Error);
    EXPECT_EQ(fromCr, earlierFace());
}

TEST(ReadFaceValues, ThreeDigitAngleOnTheFirstLineAfterAngles2IsReadWhole) {
    FaceValues values;
    ReadFaceValues(faceText({.portraitAngles = {"-135", "-7"}}), values);
    EXPECT_EQ(values.portraitAngles[0], -135);
    EXPECT_EQ(values.portraitAngles[1], -7);
}

TEST(ReadFaceValues, AngleHeadsAreLookedForAfterThePointSections) {
    FaceValues values;
    ReadFaceValues(faceText({.profileAngles = {"-9"},
                             .portraitAngles = {"-20"},
                             .description = "Angles1 and Angles2 fan"}),
                   values);
    EXPECT_EQ(values.profileAngles[0], -9);
    EXPECT_EQ(values.portraitAngles[0], -20);
}

TEST(ReadFaceValues, UnreadableTextsRaiseAndLeaveTheValuesAsTheyWere) {
    const auto replaced = [](std::string text, const std::string& what, const std::string& by) {
        return text.replace(text.find(what), what.size(), by);
    };
    const std::string good =
        faceText({.profile = {"1, 2"}, .portrait = {"3, 4"}, .portraitAngles = {"-5"}});
    std::vector<std::string> bad = {
        replaced(good, "NormY1", "NormZ1"),
        replaced(good, "NormY2", "NormZ2"),
        replaced(good, "Angles1", "Angle 1"),
        replaced(good, "Angles2", "Angle 2"),
        good.substr(0, good.find("Angles2") + 13),  // cut after the first angle line
        faceText({.profile = std::vector<std::string>(24, "1, 2")}),
        faceText({.portrait = std::vector<std::string>(22, "1, 2")}),
        faceText({.profileAngles = std::vector<std::string>(20, "-1")}),
        faceText({.portraitAngles = std::vector<std::string>(11, "-1")}),
        faceText({.profile = {"5,40000"}}),
        faceText({.portrait = {"-1E99, 5"}}),
        faceText({.portraitAngles = {"-9E9"}}),
    };
    for (const std::string& text : bad) {
        FaceValues values = earlierFace();
        EXPECT_THROW(ReadFaceValues(text, values), common::Error) << text;
        EXPECT_EQ(values, earlierFace()) << text;
    }
}
