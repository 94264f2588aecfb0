#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/facefile/face_file_writer.h"

namespace analysis {

// Hair, eye and skin colour values, as the face data file writer takes them.
using FaceColours = common::FaceColours;

// Reads a colour line "~ hair~ eyes~ skin~": the three values are the texts before the first
// three "~" from the second character on. Nothing when the line has too few "~" or a value
// does not fit 32 bits.
std::optional<FaceColours> parseColourLine(std::string_view line);

}  // namespace analysis
