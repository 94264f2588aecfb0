#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <string>

#include "common/qt/picture_cache.h"
#include "common/qt/qt_platform.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"
#include "tests/robustness/pipe_guard.h"

// Photos that are named pipes or folders: the desktop's picture check refuses them at once and
// the painting finds no picture, without ever waiting on the pipe.

namespace {

std::optional<common::Error> checkError(const std::string& path) {
    qtui::QtPlatform platform;
    try {
        platform.checkPicture(path);
    } catch (const common::Error& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace

TEST(NonRegularPictures, CheckRefusesAPipeOrAFolderAndSaysWhy) {
    TempFolder folder;
    makePipe(folder.file("Anna3.jpg"));
    folder.subfolder("Bea1.jpg");
    for (const auto& [name, kind] :
         {std::pair<std::string, std::string>{"Anna3.jpg", "a named pipe"},
          {"Bea1.jpg", "a folder"}}) {
        const std::string path = folder.file(name);
        const auto error = finishesPromptly(folder.path(), [&] { return checkError(path); });
        ASSERT_TRUE(error.has_value()) << name;
        EXPECT_EQ(error->code(), common::ErrorCode::PathFileAccess) << name;
        const std::string message = error->what();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(kind), std::string::npos) << message;
    }
}

TEST(NonRegularPictures, PaintingFindsNoPictureInAPipe) {
    TempFolder folder;
    const std::string path = folder.file("Anna3.jpg");
    makePipe(path);
    const QImage decoded =
        finishesPromptly(folder.path(), [&] { return qtui::decodePicture(path, QSize(40, 30)); });
    EXPECT_TRUE(decoded.isNull());
    qtui::PictureCache cache;
    const QImage cached =
        finishesPromptly(folder.path(), [&] { return cache.image(path, QSize(40, 30)); });
    EXPECT_TRUE(cached.isNull());
}

TEST(NonRegularPictures, RegularPhotosStillDecodeWhateverTheirName) {
    TempFolder folder;
    QImage face(40, 30, QImage::Format_RGB32);
    face.fill(Qt::darkRed);
    ASSERT_TRUE(face.save(QString::fromStdString(folder.file("face.dat")), "JPG"));
    EXPECT_FALSE(checkError(folder.file("face.dat")).has_value());
    EXPECT_EQ(qtui::decodePicture(folder.file("face.dat"), QSize(20, 15)).size(), QSize(20, 15));
    EXPECT_EQ(qtui::decodePicture(folder.file("face.dat"), QSize()).size(), QSize(40, 30));
}
