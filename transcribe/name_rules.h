#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace transcribe {

// Why a name (8-bit text) cannot name a face, in words for the user; nothing when it can. The
// name is judged trimmed, as the face file takes it: it must not be empty or blank (a no-break
// space is a blank too), must stay inside the chosen folder, must not make a hidden file, must
// hold no control character, and must leave room for the longest file name of the face, that
// of its fifth photo "<name>4.jpg".
std::optional<std::string> nameRefusal(std::string_view name);

// Why a name with characters Windows-1252 cannot hold is refused.
inline constexpr std::string_view kUnheldNameWords =
    "The name holds characters beyond Western European (Windows-1252), which the face data "
    "file cannot hold: please type the person's name in such characters.";

// The most bytes a file name may have on the disk, where it is written in UTF-8.
inline constexpr std::size_t kLongestFileName = 255;

}  // namespace transcribe
