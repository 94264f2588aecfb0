#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vismaker {

inline constexpr std::size_t kProfilePointValues = 46;   // X, Y of profile points 1 to 23
inline constexpr std::size_t kPortraitPointValues = 42;  // X, Y of portrait points 1 to 21
inline constexpr std::size_t kProfileAngles = 19;
inline constexpr std::size_t kPortraitAngles = 10;

// The measurements of one face, or a limit or midpoint of every measurement, in the order of the
// face data file's sections. Position k of a list is element k - 1.
struct FaceValues {
    std::array<std::int16_t, kProfilePointValues> profilePoints{};
    std::array<std::int16_t, kPortraitPointValues> portraitPoints{};
    std::array<std::int16_t, kProfileAngles> profileAngles{};
    std::array<std::int16_t, kPortraitAngles> portraitAngles{};

    bool operator==(const FaceValues&) const = default;
};

}  // namespace vismaker
