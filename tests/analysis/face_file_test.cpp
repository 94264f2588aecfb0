#include <gtest/gtest.h>

#include "analysis/engine/colour_line.h"
#include "analysis/engine/face_file.h"
#include "common/text/error.h"
#include "tests/analysis/sample_files.h"

using analysis::parseFaceFile;

namespace {

const std::vector<std::string> kFullTrailer{"172#", "~ 255~ 32768~ 8421504~",
                                            "[http://example.org/ann]",
                                            "\xA3"
                                            "412\xA3"};

}  // namespace

TEST(FaceFile, WizardFileFillsTheSlotLayout) {
    const auto face = parseFaceFile(sample::face("Ann", "Singer (Portrait only)", kFullTrailer));
    EXPECT_EQ(face.name, "Ann");
    EXPECT_EQ(face.info, "Singer (Portrait only)");
    for (int i = 1; i <= 46; ++i) {
        EXPECT_EQ(face.coords[i], 0) << i;
    }
    const int endOfProfile[] = {9999, 9999, 0, 0, 0, 0};
    for (int i = 47; i <= 52; ++i) {
        EXPECT_EQ(face.coords[i], endOfProfile[i - 47]) << i;
    }
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(face.coords[51 + 2 * k], 100 + k) << k;
        EXPECT_EQ(face.coords[52 + 2 * k], 200 + k) << k;
    }
    EXPECT_EQ(face.coords[93], 0);
    EXPECT_EQ(face.coords[94], 0);
    EXPECT_EQ(face.angles[1], 0);
    EXPECT_EQ(face.angles[20], 0);
    EXPECT_EQ(face.angles[21], -11);
    EXPECT_EQ(face.angles[30], -20);
    EXPECT_EQ(face.height, 172);
    EXPECT_EQ(face.colourLine, "~ 255~ 32768~ 8421504~");
    EXPECT_EQ(face.webAddress, "http://example.org/ann");
}

TEST(FaceFile, MeasuredProfileAndOtherLineEnds) {
    auto lines = sample::faceLines("Bob", "Actor");
    lines[4] = "12, -34";  // profile point 1
    lines[54] = "7";       // profile angle 1
    lines[71] = "18";      // profile angle 18
    lines[72] = "19";      // profile angle 19 is never stored
    lines[76] = "-0";
    const auto face = parseFaceFile(sample::joinLines(lines, "\n"));
    EXPECT_EQ(face.coords[1], 12);
    EXPECT_EQ(face.coords[2], -34);
    EXPECT_EQ(face.angles[2], 7);
    EXPECT_EQ(face.angles[19], 18);
    EXPECT_EQ(face.angles[20], 0);
    EXPECT_EQ(face.angles[21], 0);
    EXPECT_EQ(face.coords[53], 101);
    // A lone CR ends no line: such a file is one long line, refused as too short.
    EXPECT_THROW(parseFaceFile(sample::joinLines(lines, "\r")), common::Error);
}

TEST(FaceFile, ValuesOutsideSixteenBits) {
    auto lines = sample::faceLines("Bob", "Actor");
    lines[4] = "40000, 5";  // an x above 32768 ends a section: the pair is 9999, 9999
    const auto face = parseFaceFile(sample::joinLines(lines));
    EXPECT_EQ(face.coords[1], 9999);
    EXPECT_EQ(face.coords[2], 9999);

    for (const char* bad : {"32768, 1", "5, 40000", "-40000, 1"}) {
        lines[4] = bad;
        EXPECT_THROW(parseFaceFile(sample::joinLines(lines)), common::Error) << bad;
    }
    lines[4] = "*,*";
    lines[80] = "-40000";
    EXPECT_THROW(parseFaceFile(sample::joinLines(lines)), common::Error);
}

TEST(FaceFile, EndsEarlyOrWithoutTrailer) {
    auto lines = sample::faceLines("Bob", "Actor");
    lines.resize(86);  // up to the last portrait angle: enough
    const auto face = parseFaceFile(sample::joinLines(lines));
    EXPECT_EQ(face.angles[30], -20);
    EXPECT_EQ(face.height, 0);
    EXPECT_EQ(face.colourLine, "");
    EXPECT_FALSE(face.webAddress);

    lines.resize(85);
    EXPECT_THROW(parseFaceFile(sample::joinLines(lines)), common::Error);
    EXPECT_THROW(parseFaceFile(""), common::Error);
}

TEST(FaceFile, TrailerRules) {
    struct Case {
        std::vector<std::string> trailer;
        int height;
        std::string colourLine;
        std::optional<std::string> address;
    };
    const Case cases[] = {
        // One line with both marks sets height and colours.
        {{"172#~ 1~ 2~ 3~"}, 172, "172#~ 1~ 2~ 3~", std::nullopt},
        // An address holding "~" or "#" is read before the loop stops; nothing after it is.
        {{"[http://a.org/~x#top]", "180#", "~ 1~ 2~ 3~"}, 0, "", "http://a.org/~x#top"},
        // Without "[" the file is read to its end and its last line gives no address.
        {{"~ 1~ 2~ 3~", "165#"}, 165, "~ 1~ 2~ 3~", std::nullopt},
        // A later line of either kind wins.
        {{"160#", "~ 1~ 2~ 3~", "170#", "~ 4~ 5~ 6~"}, 170, "~ 4~ 5~ 6~", std::nullopt},
        // A height that does not fit ends the trailer there.
        {{"70000#", "~ 1~ 2~ 3~", "[x]"}, 0, "", std::nullopt},
        // An address line without its "]" keeps the rest of the line.
        {{"[http://b.org"}, 0, "", "http://b.org"},
        {{"[]"}, 0, "", ""},
    };
    for (const auto& c : cases) {
        const auto face = parseFaceFile(sample::face("Ann", "Singer", c.trailer));
        EXPECT_EQ(face.height, c.height) << c.trailer[0];
        EXPECT_EQ(face.colourLine, c.colourLine) << c.trailer[0];
        EXPECT_EQ(face.webAddress, c.address) << c.trailer[0];
    }
}

TEST(FaceFile, PortraitOnlyTag) {
    using analysis::withPortraitOnlyTag;
    EXPECT_EQ(withPortraitOnlyTag("Singer, British", "Solo ritratto"), "Singer, British");
    EXPECT_EQ(withPortraitOnlyTag("Singer (Portrait only)", "Solo ritratto"),
              "Singer (Solo ritratto)");
    EXPECT_EQ(withPortraitOnlyTag("A (b) (c)", "tag"), "A (tag)");
}

TEST(ColourLine, ReadsThreeValuesOrNothing) {
    const auto colours = analysis::parseColourLine("~ 255~ 32768~ 8421504~");
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->hair, 255);
    EXPECT_EQ(colours->eyes, 32768);
    EXPECT_EQ(colours->skin, 8421504);

    // The first character is not looked at: a height before the marks shows in the hair value.
    EXPECT_EQ(analysis::parseColourLine("172#~ 1~ 2~ 3~")->hair, 72);

    for (const char* bad : {"", "~", "~ 1~ 2~", "~ 1~ 2", "~ 99999999999~ 1~ 2~"}) {
        EXPECT_FALSE(analysis::parseColourLine(bad)) << bad;
    }
}
