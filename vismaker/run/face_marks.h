#pragma once

#include <string_view>

namespace vismaker {

// What the lines of one face file say beyond its measurements: the category lists it belongs to
// and the marks of the picture log.
struct FaceMarks {
    bool model = false;    // a line holds "Model" or "model"
    bool actress = false;  // "Actress" or "actress"
    bool singer = false;   // "Singer" or "singer"
    bool url = false;      // a line holds "[": the face's web address
    bool colour = false;   // "~": the colour line
    bool height = false;   // "#": the height line

    bool operator==(const FaceMarks&) const = default;
};

// Looks through every line of a face file's text. A line holding "[" is the web address and
// nothing else: the words and marks of an address (".../~ann/#top", "modelagency.example") make
// no category and no other mark.
FaceMarks scanFaceLines(std::string_view faceText);

}  // namespace vismaker
