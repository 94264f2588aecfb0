#pragma once

#include <string_view>

#include "vismaker/stats/face_values.h"

namespace vismaker {

// Picks the measurements out of a face file's text (every line followed by its line end) into
// values. Positions the face leaves unmeasured ("*" in the profile points) or does not reach keep
// what the previous face put there. Returns true when the face has at least one measured profile
// X value.
//
// Raises common::Error, leaving values as they were, when a section head ("NormY1", "NormY2",
// "Angles1", "Angles2") is missing, a section has no end line, a section holds more values than
// its list, or a value does not fit 16 bits: reading on would fold garbage into the statistics.
bool ReadFaceValues(std::string_view faceText, FaceValues& values);

}  // namespace vismaker
