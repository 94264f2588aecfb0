#pragma once

#include <string_view>

#include "common/forms/controls.h"

namespace analysis {

// Shows Missing.jpg of the data folder; when that cannot be shown either, the box keeps what it
// showed.
void showMissingPhoto(forms::PictureControl& box, std::string_view folder);

// Shows the named picture of the data folder; when it cannot be shown, Missing.jpg instead.
// Returns whether the named picture is shown.
bool showPhoto(forms::PictureControl& box, std::string_view folder, std::string_view name);

}  // namespace analysis
