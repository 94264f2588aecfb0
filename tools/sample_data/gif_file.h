#pragma once

#include <QImage>
#include <string>

namespace sample {

// The picture as the bytes of a GIF file (at most 256 colours, so a picture of few flat colours
// keeps them exactly). Raises common::Error when the encoder refuses it.
std::string gifBytes(const QImage& image);

}  // namespace sample
