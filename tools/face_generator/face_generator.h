#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/facefile/face_file_writer.h"
#include "tools/face_generator/profile_data.h"

namespace facegen {

// One made-up person: what the transcription wizard would store, and for some a side view that
// only other tools measure.
struct GeneratedFace {
    common::WizardFace face;
    std::optional<ProfileData> profile;
};

// count plausible faces with unique names, the same for the same seed with every compiler and
// library. Face k depends only on the seed and the faces before it, so a larger count keeps the
// faces of a smaller one. A negative count raises InvalidCall.
std::vector<GeneratedFace> generateFaces(int count, std::uint32_t seed);

// The face's data file: the wizard's text, with the profile lines filled when it has a profile.
std::string faceText(const GeneratedFace& face);

}  // namespace facegen
