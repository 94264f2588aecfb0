#pragma once

#include <string>

#include "common/facefile/face_file_writer.h"
#include "tools/face_generator/seeded_random.h"

namespace facegen {

// "Profession, Nationality", such as "Model, Brazilian". The first three faces of a database are a
// model, an actress and a singer, so the statistics builder's category lists are never empty.
std::string drawDescription(SeededRandom& random, bool female, int faceIndex);

// Height in centimetres as a user types it ("172").
std::string drawHeightText(SeededRandom& random, bool female);

// Hair, eye and skin colours from natural palettes, each slightly varied.
common::FaceColours drawColours(SeededRandom& random);

}  // namespace facegen
