#include "vismaker/run/picture_log.h"

#include "common/files/text_file.h"

namespace vismaker {

std::string pictureLogHead(std::string_view header) {
    std::string head(header);
    head += common::kCrLf;
    head += common::kCrLf;
    return head;
}

std::string pictureLogLine(const ViewsPresent& views, bool profile, const FaceMarks& marks,
                           std::string_view name) {
    std::string line;
    line.reserve(14 + name.size() + 2);
    for (std::size_t view = 0; view < views.size(); ++view) {
        line += views[view] ? static_cast<char>('0' + view) : '-';
    }
    line += ' ';
    line += profile ? 'P' : ' ';
    line += marks.height ? '^' : ' ';
    line += marks.colour ? 'c' : ' ';
    line += marks.url ? " URL " : "     ";
    line += name;
    line += common::kCrLf;
    return line;
}

}  // namespace vismaker
