#include "analysis/engine/face_names.h"

namespace analysis {

std::string whyNotAFaceOfTheFolder(std::string_view fileName) {
    if (fileName.find_first_of("/\\") != std::string_view::npos) {
        return "a face name holding \"/\" or \"\\\" names no face file of the data folder";
    }
    const std::string_view stem =
        fileName.ends_with(".txt") ? fileName.substr(0, fileName.size() - 4) : fileName;
    if (stem == "." || stem == ".." || fileName == "." || fileName == "..") {
        return "the face name \".\" or \"..\" names no face file of the data folder";
    }
    // Hidden files are not faces: no face listing shows them.
    if (fileName.starts_with('.')) {
        return "a face name beginning with \".\" names no face file of the data folder";
    }
    return {};
}

}  // namespace analysis
