#include "tools/sample_data/sample_database.h"

#include <QImage>
#include <QString>
#include <string>

#include "analysis/mainwindow/prefs_file.h"
#include "bench/face_database.h"
#include "common/files/list_file.h"
#include "common/files/safe_save.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"
#include "tools/sample_data/face_pictures.h"
#include "tools/sample_data/gif_file.h"
#include "tools/sample_data/page_pictures.h"

namespace sample {

namespace {

constexpr int kFaceCount = 48;
constexpr std::uint32_t kSeed = 20261208;

void save(const QImage& image, const std::string& path) {
    if (!image.save(QString::fromStdString(common::cp1252ToUtf8(path)), "JPG", 88)) {
        throw common::Error(common::ErrorCode::PathFileAccess, path);
    }
}

std::string stemOf(const facegen::GeneratedFace& face) {
    return common::Trim(face.face.name);
}

}  // namespace

std::vector<facegen::GeneratedFace> sampleFaces() {
    return facegen::generateFaces(kFaceCount, kSeed);
}

void writeSampleDatabase(std::string_view folder) {
    const auto faces = sampleFaces();
    facegen::writeDatabase(folder, faces);
    std::string list;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const std::string stem = stemOf(faces[i]);
        for (int view = 0; view <= 4; ++view) {
            if (view == static_cast<int>(View::Alternative) && i % 7 == 3) {
                continue;
            }
            save(drawView(faces[i], static_cast<View>(view)),
                 common::joinPath(folder, stem + std::to_string(view) + ".jpg"));
        }
        if (i % 5 == 0) {
            list += stem + ".txt\r\n";
        }
    }
    save(drawMissingPicture(), common::joinPath(folder, "Missing.jpg"));
    common::saveFile(common::joinPath(folder, "Resultsbg2.gif"),
                     gifBytes(drawAllMatchesBackground()));
    common::saveFile(common::joinPath(folder, "Resultsbg3.gif"),
                     gifBytes(drawBestThreeBackground()));
    common::saveFile(common::joinPath(folder, "stars.gif"), gifBytes(drawStars()));
    common::writeWholeFile(common::joinPath(folder, "Favourites.lst"), common::listFileText(list));
}

void writeStartingPrefs(std::string_view path) {
    if (common::fileExists(path)) {
        return;
    }
    const auto faces = sampleFaces();
    analysis::PrefsValues prefs;
    prefs.weights.fill(20);
    prefs.plotBackgroundColour = 0xFFFFFF;
    prefs.plotColourA = 0x0000FF;
    prefs.plotColourB = 0xFF0000;
    prefs.plotColourC = 0x00A000;
    prefs.autoTopTen = true;
    for (std::size_t i = 0; i < prefs.quickKeys.size() && i < faces.size(); ++i) {
        prefs.quickKeys[i] = stemOf(faces[i]);
    }
    common::writeWholeFile(path, analysis::prefsFileText(prefs));
}

}  // namespace sample
