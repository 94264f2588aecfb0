#include "tools/face_generator/face_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "common/text/error.h"
#include "tests/tools/face_generator/face_lines.h"
#include "vismaker/stats/read_face_values.h"

namespace {

using facegen::GeneratedFace;

constexpr int kProfileFirstLine = 5;  // 1-based: profile points on lines 5 to 27
constexpr int kProfileAngleFirstLine = 55;

// FNV-1a: the same value with every standard library, unlike std::hash.
std::uint64_t fingerprint(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

std::string allText(const std::vector<GeneratedFace>& faces) {
    std::string text;
    for (const auto& face : faces) {
        text += facegen::faceText(face);
    }
    return text;
}

}  // namespace

TEST(FaceGeneration, SameSeedSameBytesOtherSeedOtherFaces) {
    const auto first = facegen::generateFaces(300, 42);
    EXPECT_EQ(allText(first), allText(facegen::generateFaces(300, 42)));
    EXPECT_NE(allText(first), allText(facegen::generateFaces(300, 43)));

    // A longer run keeps the faces of a shorter one, so a sample database can grow.
    const auto longer = facegen::generateFaces(400, 42);
    EXPECT_EQ(allText(first), allText({longer.begin(), longer.begin() + 300}));
}

// Faces drawn on one machine must come out the same on every other one: these are the bytes of
// the first faces of seed 1, pinned when the generator was written.
TEST(FaceGeneration, OutputIsPinnedAcrossPlatforms) {
    const auto faces = facegen::generateFaces(20, 1);
    EXPECT_EQ(faces[0].face.name, "Chen Kowalski");
    EXPECT_EQ(fingerprint(allText(faces)), 1651304586871663223u);
}

TEST(FaceGeneration, CountEdges) {
    EXPECT_TRUE(facegen::generateFaces(0, 5).empty());
    EXPECT_THROW(facegen::generateFaces(-1, 5), common::Error);
}

// Every face file reads back as the statistics builder reads it, with the line count the format
// allows, and differs from the wizard's own text only in the profile lines it fills.
TEST(FaceFiles, ReadBackAsTheFormatAllows) {
    const std::regex pointLine(R"(-?\d{1,4}, -?\d{1,4})");
    const std::regex angleLine(R"(-\d{1,2})");
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        for (const GeneratedFace& face : facegen::generateFaces(400, seed)) {
            SCOPED_TRACE(face.face.name);
            const std::string text = facegen::faceText(face);
            ASSERT_TRUE(text.ends_with("\r\n"));
            const auto lines = crLfLines(text);
            ASSERT_GE(lines.size(), 88u);
            ASSERT_LE(lines.size(), 92u);

            auto wizardLines = crLfLines(common::faceFileText(face.face));
            ASSERT_EQ(lines.size(), wizardLines.size());
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const int line = static_cast<int>(i) + 1;
                const bool pointRow = line >= kProfileFirstLine && line < kProfileFirstLine + 23;
                const bool angleRow =
                    line >= kProfileAngleFirstLine && line < kProfileAngleFirstLine + 19;
                if (face.profile && pointRow) {
                    EXPECT_TRUE(std::regex_match(lines[i], pointLine)) << line << ": " << lines[i];
                } else if (face.profile && angleRow) {
                    EXPECT_TRUE(std::regex_match(lines[i], angleLine)) << line << ": " << lines[i];
                } else {
                    EXPECT_EQ(lines[i], wizardLines[i]) << "line " << line;
                }
            }

            vismaker::FaceValues values;
            bool hasProfile = false;
            ASSERT_NO_THROW(hasProfile = vismaker::ReadFaceValues(text, values));
            EXPECT_EQ(hasProfile, face.profile.has_value());
            if (face.profile) {
                // The analysis program takes an X of 0 at profile point 5 for "no profile".
                EXPECT_GT(values.profilePoints[8], 0);
                EXPECT_LT(values.profileAngles[0], 0);
            }
            EXPECT_EQ(values.portraitPoints[0], face.face.points[0].x);
            EXPECT_EQ(values.portraitAngles[9], -face.face.angles[9]);
        }
    }
}

TEST(FaceIdentity, NamesUniqueAndSafeInEveryRecord) {
    const auto faces = facegen::generateFaces(10000, 9);
    std::set<std::string> names;
    int hyphenated = 0;
    int accented = 0;
    for (const GeneratedFace& face : faces) {
        const std::string& name = face.face.name;
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_NO_THROW(common::faceFileName(name));
        EXPECT_EQ(common::faceFileName(name), name + ".txt");  // no blanks to trim
        // The result records split at " -", "#", "~", "[", "]", "{", "}", "^" and "=".
        EXPECT_EQ(name.find(" -"), std::string::npos) << name;
        EXPECT_EQ(name.find_first_of("#~[]{}^=/"), std::string::npos) << name;
        hyphenated += name.find('-') != std::string::npos ? 1 : 0;
        accented += std::any_of(name.begin(), name.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
    }
    EXPECT_GT(hyphenated, 100);
    EXPECT_GT(accented, 100);
}

TEST(FaceIdentity, DescriptionsAndOptionalLinesAreVaried) {
    const auto faces = facegen::generateFaces(1000, 11);
    EXPECT_EQ(faces[0].face.description.rfind("Model, ", 0), 0u);
    EXPECT_EQ(faces[1].face.description.rfind("Actress, ", 0), 0u);
    EXPECT_EQ(faces[2].face.description.rfind("Singer, ", 0), 0u);

    std::set<std::string> professions;
    std::set<std::string> nationalities;
    int heights = 0;
    int colours = 0;
    int webs = 0;
    int profiles = 0;
    for (const GeneratedFace& generated : faces) {
        const auto& face = generated.face;
        const auto comma = face.description.find(", ");
        ASSERT_NE(comma, std::string::npos) << face.description;
        professions.insert(face.description.substr(0, comma));
        nationalities.insert(face.description.substr(comma + 2));
        if (!face.heightText.empty()) {
            ++heights;
            const int cm = std::stoi(face.heightText);
            EXPECT_EQ(std::to_string(cm), face.heightText);
            EXPECT_GE(cm, 148);
            EXPECT_LE(cm, 205);
        }
        if (face.colours) {
            ++colours;
            for (const std::int32_t c :
                 {face.colours->hair, face.colours->eyes, face.colours->skin}) {
                EXPECT_GE(c, 0);
                EXPECT_LE(c, 0xFFFFFF);
            }
        }
        if (!face.webAddress.empty()) {
            ++webs;
            // A "#", "~" or "[" would be taken for another trailer line by the readers.
            EXPECT_EQ(face.webAddress.find_first_of("#~[] "), std::string::npos);
            EXPECT_TRUE(std::all_of(face.webAddress.begin(), face.webAddress.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        }
        profiles += generated.profile ? 1 : 0;
    }
    for (const char* category : {"Model", "Actress", "Singer", "Engineer"}) {
        EXPECT_TRUE(professions.contains(category)) << category;
    }
    EXPECT_GT(professions.size(), 15u);
    EXPECT_GT(nationalities.size(), 20u);
    // Most faces have a height and colours, some a web address or a profile, and some lack each.
    EXPECT_GT(heights, 800);
    EXPECT_LT(heights, 1000);
    EXPECT_GT(colours, 700);
    EXPECT_LT(colours, 1000);
    EXPECT_GT(webs, 200);
    EXPECT_LT(webs, 400);
    EXPECT_GT(profiles, 150);
    EXPECT_LT(profiles, 350);
}
