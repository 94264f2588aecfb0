#include "tools/sample_data/sample_database.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <string>
#include <utility>

#include "analysis/mainwindow/prefs_file.h"
#include "common/files/list_file.h"
#include "common/files/safe_save.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"
#include "tools/face_generator/face_database.h"
#include "tools/sample_data/face_pictures.h"
#include "tools/sample_data/gif_file.h"
#include "tools/sample_data/page_pictures.h"

namespace sample {

namespace {

constexpr std::size_t kFaceCount = 48;
// The faces are the first of this many drawn from the seed whose side view fits the plotter.
constexpr int kCandidateCount = 60;
constexpr std::uint32_t kSeed = 20261208;

// The plotter draws a side view 3 twips a unit with the chin 4,500 twips below the top of its
// 9,300 by 5,505 twip canvas, and starts it at most 1,700 twips from the left: a profile point
// outside these bounds would be cut off at the canvas edge.
constexpr int kHighestProfileY = 4500 / 3;
constexpr int kLowestProfileY = (4500 - 5505) / 3;
constexpr int kFrontmostProfileX = (9300 - 1700) / 3;

bool fitsThePlotter(const facegen::GeneratedFace& face) {
    if (!face.profile) {
        return true;
    }
    return std::ranges::all_of(face.profile->points, [](const common::FacePoint& point) {
        return point.x >= 0 && point.x <= kFrontmostProfileX && point.y >= kLowestProfileY &&
               point.y <= kHighestProfileY;
    });
}

// Encoded in memory, so the file itself goes through the safe save like every other.
void save(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 88)) {
        throw common::Error(common::ErrorCode::PathFileAccess,
                            path + ": the picture could not be encoded as JPEG");
    }
    common::saveFile(path,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string stemOf(const facegen::GeneratedFace& face) {
    return common::Trim(face.face.name);
}

}  // namespace

std::vector<facegen::GeneratedFace> sampleFaces() {
    std::vector<facegen::GeneratedFace> faces;
    for (auto& face : facegen::generateFaces(kCandidateCount, kSeed)) {
        if (faces.size() < kFaceCount && fitsThePlotter(face)) {
            faces.push_back(std::move(face));
        }
    }
    return faces;
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
