#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/analysis/comparison/comparison_fixture.h"

// Hidden files are not faces: a name beginning with "." opens no file, wherever it comes from
// (a list, a face file's name line, a quick key), even when such a file is there to be read.

using namespace comparison;

namespace {

constexpr const char* kHiddenReason =
    "a face name beginning with \".\" names no face file of the data folder";

struct HiddenNames : ComparisonFixture {
    void SetUp() override {
        const char* names[5] = {"Anna", "Bea", "Cleo", "Dora", "Eve"};
        std::vector<Face> faces;
        for (int i = 0; i < 5; ++i) {
            faces.push_back(Face{wizardFace(names[i], 10 * i), false, 10 * i});
        }
        writeFaces(faces);
        // A readable face under a hidden name, as an editor's backup or a copy might leave it.
        folder.write(".Hidden.txt", read("Eve.txt"));
        folder.write(".Hidden1.jpg", "\xFF\xD8\xFF");
    }
};

}  // namespace

TEST_F(HiddenNames, AFolderRunNeverSeesAHiddenFile) {
    startAndSelect("Anna.txt");
    run();
    EXPECT_TRUE(platform.notices.empty()) << platform.notices.front();
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(read("Results.tmp").find("Hidden"), std::string::npos);
}

TEST_F(HiddenNames, AListEntryBeginningWithADotIsLeftOutAndCounted) {
    startAndSelect("Cleo.txt");
    runList(".Hidden.txt\r\nBea.txt\r\n.txt\r\n99999\r\n");
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const std::string list = read("Results.tmp");
    EXPECT_TRUE(list.starts_with("Bea -")) << list;
    EXPECT_EQ(list.find("Eve"), std::string::npos) << list;
    ASSERT_EQ(platform.notices.size(), 1u);
    EXPECT_EQ(platform.notices[0],
              "2 faces could not be read and were left out of the comparison:\n"
              ".Hidden.txt: " +
                  std::string(kHiddenReason) + "\n.txt: " + kHiddenReason +
                  "\nThe results of the other faces stand.");
}

TEST_F(HiddenNames, ANameLineOrQuickKeyBeginningWithADotLoadsNoFace) {
    std::string bea = read("Bea.txt");
    bea.replace(0, 3, ".Hidden");
    folder.write("Bea.txt", bea);
    startAndSelect("Anna.txt");
    run();
    ASSERT_EQ(program.Top.TopNames[1], ".Hidden");
    const std::string refused =
        "The face file .Hidden.txt could not be read: " + std::string(kHiddenReason);
    EXPECT_EQ(platform.errors, std::vector<std::string>{refused});
    EXPECT_NE(window.Person2.Caption, ".Hidden");

    app.dispatch([this] { window.FirstHotArea_Click(); });
    EXPECT_EQ(platform.errors, (std::vector<std::string>{refused, refused}));

    program.PrefsWindow.F1Person(3).Caption = ".Hidden";
    app.dispatch([this] { window.File1_KeyDown(forms::kKeyF1 + 2); });
    EXPECT_EQ(platform.errors, (std::vector<std::string>{refused, refused, refused}));
    EXPECT_NE(window.Person2.Caption, ".Hidden");
    EXPECT_FALSE(program.FaceFile2 == ".Hidden.txt");
}
