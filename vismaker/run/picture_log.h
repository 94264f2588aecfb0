#pragma once

#include <array>
#include <string>
#include <string_view>

#include "vismaker/run/face_marks.h"

namespace vismaker {

// Which of the views 0 to 4 ("<name>0.jpg" ... "<name>4.jpg") a face has.
using ViewsPresent = std::array<bool, 5>;

// The start of the picture log: the header and one empty line.
std::string pictureLogHead(std::string_view header);

// One face's line of the picture log: the view marks ("0".."4" or "-"), a blank, "P" for profile
// data, "^" for a height, "c" for colours, " URL " for a web address (blanks where a mark is
// absent), the name, CR LF.
std::string pictureLogLine(const ViewsPresent& views, bool profile, const FaceMarks& marks,
                           std::string_view name);

}  // namespace vismaker
