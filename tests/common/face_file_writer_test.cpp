#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "common/facefile/face_file_writer.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using namespace common;

namespace {

std::string golden(const std::string& name) {
    return readWholeFile(joinPath(TEST_DATA_DIR "/faces", name));
}

// The lines of a text whose every line must end with CR LF.
std::vector<std::string> crLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line has no CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A face whose portrait point k is (x(k), y(k)).
WizardFace face(std::string name, std::string description, int (*x)(int), int (*y)(int),
                std::array<std::int16_t, 10> angles) {
    WizardFace face;
    face.name = std::move(name);
    face.description = std::move(description);
    face.angles = angles;
    for (int k = 1; k <= 20; ++k) {
        face.points[k - 1] = {static_cast<std::int16_t>(x(k)), static_cast<std::int16_t>(y(k))};
    }
    return face;
}

// The faces the golden files were built for.
WizardFace anna() {
    WizardFace anna = face(
        "Anna", "Singer, British", [](int k) { return 37 * k - 200; },
        [](int k) { return 1100 - 60 * k; }, {35, 0, 12, 7, 135, 90, 3, 18, 22, 41});
    anna.scaleDistance = 500;  // not written without a web address
    return anna;
}

WizardFace ben() {
    WizardFace ben = face(
        "Ben", "Actor, Irish", [](int k) { return 5 * k; }, [](int k) { return 50 * k - 100; },
        {11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    ben.webAddress = "www.example.com/ben";
    ben.scaleDistance = 412;
    return ben;
}

WizardFace cleo() {
    WizardFace cleo = face(
        "Cleo",
        "Model, French, fee \xA3"
        "5",
        [](int k) { return -k; }, [](int k) { return 1000 + k; }, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    cleo.heightText = "172";
    cleo.colours = FaceColours{255, 32768, 8421504};
    cleo.webAddress = "http://cleo.example.org/a,b";
    cleo.scaleDistance = 388;
    return cleo;
}

WizardFace dora() {
    WizardFace dora = face(
        "  Dora Smith  ", "Singer, Welsh", [](int k) { return k; }, [](int k) { return k; }, {});
    dora.heightText = " 168 ";
    return dora;
}

}  // namespace

TEST(FaceFileText, PortraitOnlyFaceIsTheEightyEightFixedLines) {
    const std::string text = faceFileText(anna());
    EXPECT_EQ(text, golden("portrait_only.txt"));
    const auto lines = crLfLines(text);
    ASSERT_EQ(lines.size(), 88u);
    EXPECT_EQ(lines[1], "Singer, British (Portrait only)");
    EXPECT_EQ(lines[30], "-163&&&, 1040&&&");  // negative X in plain form
    EXPECT_EQ(lines[77], "-0");                // angle 2 has magnitude 0
    EXPECT_EQ(lines[87], "");
}

TEST(FaceFileText, WebAddressAloneAddsItsLineAndTheScaleDistance) {
    const std::string text = faceFileText(ben());
    EXPECT_EQ(text, golden("web_address_only.txt"));
    const auto lines = crLfLines(text);
    ASSERT_EQ(lines.size(), 90u);
    EXPECT_EQ(lines[88], "[www.example.com/ben]");
    EXPECT_EQ(lines[89],
              "\xA3"
              "412\xA3");
}

TEST(FaceFileText, EveryTrailerInItsOrder) {
    const std::string text = faceFileText(cleo());
    EXPECT_EQ(text, golden("every_trailer.txt"));
    const auto lines = crLfLines(text);
    ASSERT_EQ(lines.size(), 92u);
    EXPECT_EQ(lines[88], "172#");
    EXPECT_EQ(lines[89], "~ 255~ 32768~ 8421504~");
}

TEST(FaceFileText, HeightLineOnlyForATextReadingAsANonZeroNumber) {
    for (const char* height : {"", " ", "0", "abc", "*"}) {
        WizardFace face = anna();
        face.heightText = height;
        EXPECT_EQ(crLfLines(faceFileText(face)).size(), 88u) << '"' << height << '"';
    }
    WizardFace face = anna();
    face.heightText = "5ft 8";
    EXPECT_EQ(crLfLines(faceFileText(face)).back(), "5ft 8#");
}

TEST(FaceFileText, NegativeColourKeepsItsSignWithoutABlank) {
    WizardFace face = anna();
    face.colours = FaceColours{0, -1, 16777215};
    EXPECT_EQ(crLfLines(faceFileText(face)).back(), "~ 0~-1~ 16777215~");
}

TEST(FaceFileText, RefusesWhatWouldShiftOrSpoilTheFixedLines) {
    std::array<WizardFace, 5> faces = {anna(), anna(), anna(), anna(), anna()};
    faces[0].name = "Anna\r\nSmith";
    faces[1].description = "Singer\n";
    faces[2].heightText = "172\r";
    faces[3].webAddress = "www.example.com\n/x";
    faces[4].angles[9] = -5;
    for (const WizardFace& face : faces) {
        try {
            faceFileText(face);
            ADD_FAILURE() << "accepted " << face.name;
        } catch (const Error& error) {
            EXPECT_EQ(error.code(), ErrorCode::InvalidPropertyValue);
        }
    }
}

TEST(WriteFaceFile, FileNameIsTheTrimmedNameWhileLineOneKeepsTheBlanks) {
    TempFolder folder;
    const std::string path = writeFaceFile(folder.text(), dora());
    EXPECT_EQ(path, folder.file("Dora Smith.txt"));
    EXPECT_EQ(folder.read("Dora Smith.txt"), golden("blank_name.txt"));
    EXPECT_EQ(crLfLines(golden("blank_name.txt")).front(), "  Dora Smith  ");
}

TEST(WriteFaceFile, ReplacesAnOlderLongerFileWholly) {
    TempFolder folder;
    folder.write("Cleo.txt", std::string(20000, 'x') + "\r\n");
    writeFaceFile(folder.text(), cleo());
    EXPECT_EQ(folder.read("Cleo.txt"), golden("every_trailer.txt"));
}

TEST(WriteFaceFile, RefusedFaceOrNameWritesNothing) {
    TempFolder folder;
    for (const char* name : {"", "   ", "../Anna", "a/b"}) {
        WizardFace face = anna();
        face.name = name;
        try {
            writeFaceFile(folder.text(), face);
            ADD_FAILURE() << "name \"" << name << "\" accepted";
        } catch (const Error& error) {
            EXPECT_EQ(error.code(), ErrorCode::PathFileAccess);
        }
    }
    WizardFace face = anna();
    face.description = "two\r\nlines";
    EXPECT_THROW(writeFaceFile(folder.text(), face), Error);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}
