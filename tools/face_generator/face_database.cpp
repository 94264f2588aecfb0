#include "tools/face_generator/face_database.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/files/text_file.h"
#include "common/forms/file_listing.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

namespace facegen {

namespace {

constexpr std::string_view kPlaceholderPicture = "\xFF\xD8\xFF\xD9";

bool nameOrder(const FaceFile& a, const FaceFile& b) {
    return forms::nameLess(a.name, b.name);
}

// The error names the folder and the system's reason, so a caller can say both.
void makeFolder(std::string_view folder) {
    const std::filesystem::path path = common::toPath(folder);
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec)) {
        throw common::Error(common::ErrorCode::PathNotFound,
                            std::string(folder) + ": it is a file, not a folder");
    }
    std::filesystem::create_directories(path, ec);
    if (ec) {
        throw common::Error(common::ErrorCode::PathNotFound,
                            std::string(folder) + ": " + ec.message());
    }
}

void refuseOtherFaceFiles(std::string_view folder, const std::vector<FaceFile>& files) {
    for (const std::string& name : forms::listFiles(folder, "*.txt")) {
        if (!std::binary_search(files.begin(), files.end(), FaceFile{name, {}}, nameOrder)) {
            throw common::Error(common::ErrorCode::InvalidCall,
                                common::joinPath(folder, name) +
                                    ": it is already in the folder and is not a generated face");
        }
    }
}

}  // namespace

std::vector<FaceFile> faceFiles(const std::vector<GeneratedFace>& faces) {
    std::vector<FaceFile> files;
    files.reserve(faces.size());
    for (const GeneratedFace& face : faces) {
        files.push_back({common::faceFileName(face.face.name), faceText(face)});
    }
    std::sort(files.begin(), files.end(), nameOrder);
    const auto twin =
        std::adjacent_find(files.begin(), files.end(),
                           [](const FaceFile& a, const FaceFile& b) { return a.name == b.name; });
    if (twin != files.end()) {
        throw common::Error(common::ErrorCode::InvalidCall, "two faces would share " + twin->name);
    }
    return files;
}

vismaker::Limits statisticsLimits(const std::vector<FaceFile>& files) {
    vismaker::Limits limits;
    vismaker::FaceValues values;
    for (const FaceFile& file : files) {
        vismaker::ReadFaceValues(file.text, values);
        vismaker::UpdateLimits(values, limits);
    }
    return limits;
}

void writeDatabase(std::string_view folder, const std::vector<GeneratedFace>& faces,
                   Pictures pictures) {
    const std::vector<FaceFile> files = faceFiles(faces);
    const vismaker::Limits limits = statisticsLimits(files);
    makeFolder(folder);
    refuseOtherFaceFiles(folder, files);

    for (const FaceFile& file : files) {
        common::writeWholeFile(common::joinPath(folder, file.name), file.text);
        if (pictures == Pictures::Placeholders) {
            const std::string stem = file.name.substr(0, file.name.size() - 4);
            common::writeWholeFile(common::joinPath(folder, stem + "1.jpg"), kPlaceholderPicture);
            common::writeWholeFile(common::joinPath(folder, stem + "3.jpg"), kPlaceholderPicture);
        }
    }
    if (!files.empty()) {
        vismaker::WriteVisFiles(folder, limits, static_cast<int>(files.size()));
    }
}

}  // namespace facegen
