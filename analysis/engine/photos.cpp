#include "analysis/engine/photos.h"

#include <string>

#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace analysis {

void showMissingPhoto(forms::PictureControl& box, std::string_view folder) {
    try {
        box.LoadPicture(common::joinPath(folder, "Missing.jpg"));
    } catch (const common::Error&) {
    }
}

bool showPhoto(forms::PictureControl& box, std::string_view folder, std::string_view name) {
    try {
        box.LoadPicture(common::joinPath(folder, name));
        return true;
    } catch (const common::Error&) {
        showMissingPhoto(box, folder);
        return false;
    }
}

}  // namespace analysis
