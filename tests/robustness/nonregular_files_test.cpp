#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "analysis/engine/face_loading.h"
#include "analysis/engine/statistics_loading.h"
#include "common/files/text_file.h"
#include "common/text/error.h"
#include "tests/analysis/comparison/comparison_fixture.h"
#include "tests/robustness/pipe_guard.h"

// Named pipes, folders and devices where the programs expect a file: every reader refuses them at
// once as files that cannot be read, and nothing ever waits on a pipe that nobody writes to.

namespace {

using comparison::ComparisonFixture;
using comparison::Face;
using comparison::wizardFace;

// The error a read raises, or nothing when it reads.
std::optional<common::Error> readError(const std::function<void()>& read) {
    try {
        read();
    } catch (const common::Error& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace

TEST(NonRegularFiles, ReadersRefuseAPipeAFolderOrADeviceAtOnceAndSayWhy) {
    TempFolder folder;
    makePipe(folder.file("Upper.vis"));
    folder.subfolder("Anna.txt");
    std::filesystem::create_symlink(folder.path() / "Upper.vis", folder.path() / "Link.vis");
    struct Case {
        std::string path;
        std::string kind;
    };
    const Case cases[] = {{folder.file("Upper.vis"), "a named pipe"},
                          {folder.file("Link.vis"), "a named pipe"},
                          {folder.file("Anna.txt"), "a folder"},
                          {"/dev/zero", "a device"},
                          {"/dev/null", "a device"}};
    for (const Case& c : cases) {
        const auto whole = finishesPromptly(
            folder.path(), [&] { return readError([&] { common::readWholeFile(c.path); }); });
        ASSERT_TRUE(whole.has_value()) << c.path;
        EXPECT_EQ(whole->code(), common::ErrorCode::PathFileAccess) << c.path;
        const std::string message = whole->what();
        EXPECT_NE(message.find(c.path), std::string::npos) << message;
        EXPECT_NE(message.find(c.kind), std::string::npos) << message;

        const auto lines = finishesPromptly(folder.path(), [&] {
            return readError([&] { common::TextFileReader reader(c.path); });
        });
        ASSERT_TRUE(lines.has_value()) << c.path;
        EXPECT_EQ(lines->code(), common::ErrorCode::PathFileAccess) << c.path;
        EXPECT_FALSE(common::fileExists(c.path)) << c.path;
    }
}

TEST(NonRegularFiles, MissingAndForbiddenFilesKeepTheirOwnErrors) {
    TempFolder folder;
    const auto missing = readError([&] { common::readWholeFile(folder.file("absent.txt")); });
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->code(), common::ErrorCode::FileNotFound);
    const auto underAFile =
        readError([&] { common::readWholeFile(folder.file("absent.txt/x.txt")); });
    ASSERT_TRUE(underAFile.has_value());
    EXPECT_EQ(underAFile->code(), common::ErrorCode::FileNotFound);
    folder.write("locked.txt", "x");
    std::filesystem::permissions(folder.path() / "locked.txt", std::filesystem::perms::none);
    if (::geteuid() != 0) {  // the superuser reads whatever the permissions say
        const auto locked = readError([&] { common::readWholeFile(folder.file("locked.txt")); });
        ASSERT_TRUE(locked.has_value());
        EXPECT_EQ(locked->code(), common::ErrorCode::PermissionDenied);
    }
}

namespace {

struct NonRegularData : ComparisonFixture {
    void SetUp() override {
        std::vector<Face> faces;
        const char* names[] = {"Anna", "Bea", "Cleo", "Dora"};
        for (int i = 0; i < 4; ++i) {
            faces.push_back(Face{wizardFace(names[i], 10 * i), false, 10 * i});
        }
        writeFaces(faces);
    }
    std::string pipe(const std::string& name) const {
        makePipe(folder.file(name));
        return folder.file(name);
    }
};

}  // namespace

TEST_F(NonRegularData, StatisticsFileThatIsAPipeCountsAsMissing) {
    pipe("Upper.vis");
    finishesPromptly(folder.path(), [this] { startAndSelect("Anna.txt"); });
    EXPECT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.NoMedianWindow.Caption, "Error: A .vis file is missing!");
}

TEST_F(NonRegularData, SettingsFileThatIsAPipeLeavesTheDefaults) {
    pipe("Prefs.prf");
    finishesPromptly(folder.path(), [this] { program.start(); });
    EXPECT_FALSE(app.ended());
}

TEST_F(NonRegularData, FaceOneThatIsAPipeIsNotLoaded) {
    startAndSelect("Anna.txt");
    ASSERT_EQ(program.Face1.FaceName, "Anna");
    pipe("Zed.txt");
    finishesPromptly(folder.path(), [this] { analysis::LoadFirstFace(program, "Zed.txt"); });
    EXPECT_EQ(window.Person1.Caption, "Anna");
    EXPECT_EQ(window.face1Photo.Picture(), folder.file("Anna3.jpg"));
}

TEST_F(NonRegularData, PhotoThatIsAPipeShowsTheMissingPhoto) {
    pipe("Anna3.jpg");
    pipe("Bea1.jpg");
    finishesPromptly(folder.path(), [this] { startAndSelect("Anna.txt"); });
    EXPECT_EQ(program.Face1.FaceName, "Anna");
    EXPECT_EQ(window.face1Photo.Picture(), folder.file("Missing.jpg"));
    finishesPromptly(folder.path(), [this] { analysis::LoadSecondFace(program, "Bea.txt"); });
    EXPECT_EQ(window.face2Photo.Picture(), folder.file("Missing.jpg"));
    // A folder run shows every candidate's photo on its way.
    finishesPromptly(folder.path(), [this] { window.CompButton_Click(); });
    EXPECT_NE(read("Results.tmp").find("Bea -"), std::string::npos);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(NonRegularData, ListedCandidateThatIsAPipeIsSkippedAndTheRunGoesOn) {
    pipe("Zed.txt");
    folder.subfolder("Yan.txt");
    folder.write("Chosen.lst", "Bea.txt\r\nZed.txt\r\nYan.txt\r\nDora.txt\r\n99999\r\n");
    startAndSelect("Anna.txt");
    window.ListsButton_Click();
    ASSERT_EQ(window.ListFiles.ListCount(), 1);
    window.ListFiles.setListIndex(0);
    ASSERT_TRUE(window.CompListButton.Enabled);
    finishesPromptly(folder.path(), [this] { window.CompListButton_Click(); });
    const std::string results = read("Results.tmp");
    EXPECT_TRUE(results.starts_with("Bea -")) << results;
    EXPECT_NE(results.find("\r\nDora -"), std::string::npos) << results;
    EXPECT_EQ(results.find("Zed"), std::string::npos);
    EXPECT_EQ(results.find("Yan"), std::string::npos);
    EXPECT_TRUE(platform.errors.empty());
}
