#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// One portrait point, already scaled to the common face size.
struct FacePoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Colour values, red + 256 x green + 65536 x blue.
struct FaceColours {
    std::int32_t hair = 0;
    std::int32_t eyes = 0;
    std::int32_t skin = 0;
};

// Everything the transcription wizard stores of one face.
struct WizardFace {
    std::string name;                       // as typed; the file name uses it trimmed
    std::string description;                // profession and nationality
    std::array<FacePoint, 20> points{};     // portrait points 1 to 20
    std::array<std::int16_t, 10> angles{};  // portrait angle magnitudes 1 to 10, 0 or more
    std::string heightText;                 // as typed; kept when it reads as a non-zero number
    std::optional<FaceColours> colours;     // hair, eyes, skin
    std::string webAddress;                 // kept, with the scale distance, when not empty
    std::int32_t scaleDistance = 0;         // raw chin-to-eye pixel distance of the scaling
};

// The exact bytes of the face's data file, every line ended by CR LF. A text holding a line end
// or a negative angle would shift or spoil the fixed lines every reader counts on, so either
// raises InvalidPropertyValue.
std::string faceFileText(const WizardFace& face);

// "<trimmed name>.txt". A name that is empty when trimmed, or holds "/" or a NUL, would name no
// face file of the data folder (or one outside it) and raises PathFileAccess.
std::string faceFileName(std::string_view name);

// Writes the face as the whole new content of <folder>/<trimmed name>.txt and returns that path.
// Nothing is written when the text or the name is refused.
std::string writeFaceFile(std::string_view folder, const WizardFace& face);

}  // namespace common
