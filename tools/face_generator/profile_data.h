#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/facefile/face_file_writer.h"
#include "tools/face_generator/seeded_random.h"

namespace facegen {

// A side view measured by other means than the wizard, which leaves these lines "*".
struct ProfileData {
    // Profile points 1 to 23 in the units of the portrait points: Y above the chin, X growing
    // towards the front of the face. Forehead 5, brow 6, nose bridge 3 and 12, nose tip 11,
    // below the nose 17, lips 16, 21, 18, chin 22, 23, 1 run down the face's outline. Every X is
    // above 0, since an X of 0 at point 5 marks a face without a profile.
    std::array<common::FacePoint, 23> points{};
    // Profile angle magnitudes 1 to 19, each 1 or more; the file marks them negative, as it does
    // the portrait angles.
    std::array<std::int16_t, 19> angles{};
};

ProfileData drawProfile(SeededRandom& random);

// A face file's text with its 23 profile point lines ("*,*") and 19 profile angle lines ("*")
// holding the profile instead ("x, y" and "-a"); every other byte stays as it was.
std::string withProfile(std::string_view faceText, const ProfileData& profile);

}  // namespace facegen
