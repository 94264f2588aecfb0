#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/engine/face_slot.h"
#include "common/files/text_file.h"

namespace analysis {

// Coordinate elements a face data file fills: pairs 1 to 47.
inline constexpr int kFileCoordCount = 94;

// A face data file as the face loaders read it: the fixed lines by count, then the trailer.
struct FaceFileContents {
    std::string name;
    std::string info;
    OneBasedArray<std::int16_t, kFileCoordCount> coords;
    FaceAngles angles;
    // From the trailer: 0, "" and no address when the file gives none.
    std::int16_t height = 0;
    std::string colourLine;
    std::optional<std::string> webAddress;
};

// Reads the fixed lines of a face data file (name to the last portrait angle) into face. Raises
// common::Error as parseFaceFile does.
void readFixedPart(common::TextFileReader& file, FaceFileContents& face);

// Reads a face data file's text. Raises common::Error when the fixed part cannot be read: the
// text ends before the last portrait angle, or a value does not fit 16 bits (an x above 32768
// is the end line of a section and reads as 9999, 9999). The trailer never fails: the end of
// the text, or a height that does not fit, ends it.
FaceFileContents parseFaceFile(std::string text);

// A description with a bracketed tail keeps its text up to the first "(" and gets the tag in
// the chosen language after it: "Singer (Portrait only)" becomes "Singer (<tag>)".
std::string withPortraitOnlyTag(std::string_view info, std::string_view portraitOnlyText);

}  // namespace analysis
