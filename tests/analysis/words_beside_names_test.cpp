#include <gtest/gtest.h>

#include "analysis/engine/face_loading.h"
#include "common/text/utf8.h"
#include "tests/analysis/comparison/comparison_fixture.h"

using namespace comparison;

namespace {

// A place prefix and "Только портрет" as a Russian string file gives them: UTF-8.
constexpr const char* kRussianFirst = "1-\xD0\xB5 : ";
constexpr const char* kRussianPortraitOnly =
    "\xD0\xA2\xD0\xBE\xD0\xBB\xD1\x8C\xD0\xBA\xD0\xBE "
    "\xD0\xBF\xD0\xBE\xD1\x80\xD1\x82\xD1\x80\xD0\xB5\xD1\x82";

}  // namespace

// An 8-bit face name or description joined to UTF-8 words in one caption is turned into UTF-8,
// so the caption stays one valid text and neither part shows garbled; the face data keep their
// 8-bit bytes.
TEST_F(ComparisonFixture, EightBitNamesJoinUtf8WordsAsUtf8) {
    writeFaces({Face{wizardFace("Bj\xF6rn", 0, "Mod\xE8le (Portrait only)")},
                Face{wizardFace("Anna", 10)}, Face{wizardFace("Bea", 20)},
                Face{wizardFace("Cleo", 30)}});
    startAndSelect("Cleo.txt");
    program.Words.WordsInUtf8 = true;
    for (std::string* prefix : {&program.Words.FirstPlacePrefix, &program.Words.SecondPlacePrefix,
                                &program.Words.ThirdPlacePrefix}) {
        *prefix = kRussianFirst;
    }
    program.Words.PortraitOnlyText = kRussianPortraitOnly;
    window.CompButton_Click();
    const forms::Label* places[] = {&window.FirstPlace, &window.SecondPlace, &window.ThirdPlace};
    int shown = 0;
    for (std::size_t k = 1; k <= 3; ++k) {
        if (program.Top.TopNames[k] == "Bj\xF6rn") {
            ++shown;
            EXPECT_TRUE(
                places[k - 1]->Caption.starts_with(std::string(kRussianFirst) + "Bj\xC3\xB6rn "));
        }
    }
    EXPECT_EQ(shown, 1);

    analysis::LoadFirstFace(program, "Bj\xF6rn.txt");
    EXPECT_EQ(window.face1Photo.ToolTipText,
              "Mod\xC3\xA8le (" + std::string(kRussianPortraitOnly) + ")");
    EXPECT_EQ(window.Person1.Caption, "Bj\xF6rn");

    // With 8-bit words everything stays 8-bit.
    program.Words.WordsInUtf8 = false;
    program.Words.PortraitOnlyText = "Portrait only";
    analysis::LoadFirstFace(program, "Bj\xF6rn.txt");
    EXPECT_EQ(window.face1Photo.ToolTipText, "Mod\xE8le (Portrait only)");
}

// A name on disk that Windows-1252 cannot hold keeps its UTF-8 bytes, and the face's name line is
// the same UTF-8: beside UTF-8 words it is shown as it stands, never converted a second time,
// while a Windows-1252 name beside it is converted. The face loads by that name.
TEST_F(ComparisonFixture, NamesBeyondWindows1252JoinUtf8WordsAsTheyStand) {
    const std::string ivan =
        "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD0\xB5\xD1\x82\xD1\x80"
        "\xD0\xBE\xD0\xB2";
    writeFaces({Face{wizardFace(ivan, 0)}, Face{wizardFace("Zo\xEB", 10)},
                Face{wizardFace("Anna", 20)}, Face{wizardFace("Cleo", 30)}});
    underUtf8Name(ivan);
    startAndSelect("Cleo.txt");
    program.Words.WordsInUtf8 = true;
    for (std::string* prefix : {&program.Words.FirstPlacePrefix, &program.Words.SecondPlacePrefix,
                                &program.Words.ThirdPlacePrefix}) {
        *prefix = kRussianFirst;
    }
    window.CompButton_Click();
    ASSERT_TRUE(platform.notices.empty()) << platform.notices.front();
    const forms::Label* places[] = {&window.FirstPlace, &window.SecondPlace, &window.ThirdPlace};
    std::vector<std::string> shown;
    for (std::size_t k = 1; k <= 3; ++k) {
        const std::string& name = program.Top.TopNames[k];
        if (name == ivan || name == "Zo\xEB") {
            shown.push_back(name);
            EXPECT_TRUE(places[k - 1]->Caption.starts_with(
                std::string(kRussianFirst) + (name == ivan ? ivan : "Zo\xC3\xAB") + " "))
                << places[k - 1]->Caption;
        }
    }
    EXPECT_EQ(shown.size(), 2U);

    ASSERT_TRUE(analysis::LoadFirstFace(program, ivan + ".txt"));
    EXPECT_EQ(window.Person1.Caption, ivan);
    EXPECT_TRUE(platform.errors.empty());
}

// In English the captions keep every name's bytes: a caption naming a face beyond Windows-1252
// is its name's UTF-8 between plain words, so it is shown as UTF-8; one naming a Windows-1252
// name stays 8-bit.
TEST_F(ComparisonFixture, EnglishCaptionsKeepEachNamesBytes) {
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    writeFaces({Face{wizardFace(ivan, 0)}, Face{wizardFace("Zo\xEB", 10)},
                Face{wizardFace("Anna", 20)}, Face{wizardFace("Cleo", 30)}});
    underUtf8Name(ivan);
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    ASSERT_FALSE(program.Words.WordsInUtf8);
    const forms::Label* places[] = {&window.FirstPlace, &window.SecondPlace, &window.ThirdPlace};
    const char* prefixes[] = {"1st : ", "2nd : ", "3rd : "};
    for (std::size_t k = 1; k <= 3; ++k) {
        const std::string& name = program.Top.TopNames[k];
        EXPECT_TRUE(places[k - 1]->Caption.starts_with(prefixes[k - 1] + name + " "))
            << places[k - 1]->Caption;
        EXPECT_EQ(common::isUtf8(places[k - 1]->Caption), name != "Zo\xEB") << name;
    }
}
