#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/common/temp_folder.h"
#include "vismaker/run/face_marks.h"
#include "vismaker/run/picture_folder.h"
#include "vismaker/run/picture_log.h"

using vismaker::FaceMarks;
using vismaker::scanFaceLines;

TEST(PictureLogLine, MarksStandInTheirColumns) {
    FaceMarks all;
    all.height = true;
    all.colour = true;
    all.url = true;
    EXPECT_EQ(vismaker::pictureLogLine({true, true, true, true, true}, false, all, "Ann Lee"),
              "01234  ^c URL Ann Lee\r\n");
    EXPECT_EQ(vismaker::pictureLogLine({false, true, false, true, false}, false, {}, "Bo"),
              "-1-3-         Bo\r\n");
    EXPECT_EQ(vismaker::pictureLogLine({false, true, true, true, false}, true, {}, "Cy"),
              "-123- P       Cy\r\n");
}

TEST(FaceMarks, WordsOfEitherCaseMakeTheCategories) {
    EXPECT_EQ(scanFaceLines("Mia\r\nmodel and Singer\r\n").model, true);
    EXPECT_EQ(scanFaceLines("Mia\r\nmodel and Singer\r\n").singer, true);
    EXPECT_EQ(scanFaceLines("Mia\r\nActress\r\n").actress, true);
    EXPECT_EQ(scanFaceLines("Mia\r\nactress\r\n").actress, true);
    EXPECT_EQ(scanFaceLines("Mia\r\nMODEL\r\nsinger?\r\n"),
              (FaceMarks{.model = false, .singer = true}));
    EXPECT_EQ(scanFaceLines("Mia\r\n170#\r\n~1~2~3~"), (FaceMarks{.colour = true, .height = true}));
}

// The web address line sets the address mark only, whatever its words and marks.
TEST(FaceMarks, AddressLineIsTheAddressAndNothingElse) {
    EXPECT_EQ(scanFaceLines("Mia\r\nDancer\r\n[www.model-agency.example/~mia#singer-actress]\r\n"),
              (FaceMarks{.url = true}));
}

// A lone CR does not end a line: "[" after it is still on the address line.
TEST(FaceMarks, LoneCrStaysInItsLine) {
    EXPECT_EQ(scanFaceLines("Mia\rModel [x]\nSinger"), (FaceMarks{.singer = true, .url = true}));
}

TEST(PictureFolder, OnlyARegularFileIsAPicture) {
    TempFolder folder;
    folder.write("a1.jpg", "");
    folder.subfolder("a2.jpg");
    ASSERT_EQ(::mkfifo((folder.path() / "a3.jpg").c_str(), 0644), 0);
    std::filesystem::create_symlink(folder.path() / "a1.jpg", folder.path() / "a4.jpg");
    std::filesystem::create_symlink(folder.path() / "gone.jpg", folder.path() / "a0.jpg");
    const vismaker::PictureFolder pictures(folder.text());
    EXPECT_TRUE(pictures.exists("a1.jpg"));
    EXPECT_FALSE(pictures.exists("a2.jpg"));
    EXPECT_FALSE(pictures.exists("a3.jpg"));
    EXPECT_TRUE(pictures.exists("a4.jpg"));
    EXPECT_FALSE(pictures.exists("a0.jpg"));
    EXPECT_FALSE(pictures.exists("A1.jpg"));
    const vismaker::PictureFolder nowhere(folder.file("none"));
    EXPECT_FALSE(nowhere.exists("a1.jpg"));
}
