#include "vismaker/run/face_marks.h"

namespace vismaker {

namespace {

bool holds(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

// Most lines of a face file are numbers; only a line holding one of these characters can hold a
// word or mark looked for, so the others cost one pass.
bool mayHoldMark(std::string_view line) {
    return line.find_first_of("[~#MmAaSs") != std::string_view::npos;
}

void markLine(std::string_view line, FaceMarks& marks) {
    if (!mayHoldMark(line)) {
        return;
    }
    if (holds(line, "[")) {
        marks.url = true;
        return;
    }
    marks.model = marks.model || holds(line, "Model") || holds(line, "model");
    marks.actress = marks.actress || holds(line, "Actress") || holds(line, "actress");
    marks.singer = marks.singer || holds(line, "Singer") || holds(line, "singer");
    marks.colour = marks.colour || holds(line, "~");
    marks.height = marks.height || holds(line, "#");
}

}  // namespace

// A line ends at LF (its CR, if any, only ends it too); a lone CR stays within its line.
FaceMarks scanFaceLines(std::string_view faceText) {
    FaceMarks marks;
    std::size_t start = 0;
    while (start < faceText.size()) {
        const std::size_t end = faceText.find('\n', start);
        if (end == std::string_view::npos) {
            markLine(faceText.substr(start), marks);
            break;
        }
        markLine(faceText.substr(start, end - start), marks);
        start = end + 1;
    }
    return marks;
}

}  // namespace vismaker
