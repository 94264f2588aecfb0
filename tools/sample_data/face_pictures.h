#pragma once

#include <QImage>

#include "tools/face_generator/face_generator.h"

namespace sample {

// The five views of a face, drawn from its own landmarks, angles and colours, so that two faces
// that score apart also look apart.
enum class View { FullLength = 0, Portrait = 1, Profile = 2, Typical = 3, Alternative = 4 };

QImage drawView(const facegen::GeneratedFace& face, View view);

// Shown in place of a view that is missing.
QImage drawMissingPicture();

}  // namespace sample
