#include "analysis/reports/list_lines.h"

namespace analysis {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        } else if (end > pos && text[end - 1] == '\r') {
            --end;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = next;
    }
    return lines;
}

ListLines listLines(std::string_view text) {
    ListLines list;
    list.records = splitLines(text);
    for (std::size_t i = 0; i < list.records.size(); ++i) {
        if (list.records[i] == kEndLine) {
            list.records.resize(i);
            list.ended = true;
            break;
        }
    }
    return list;
}

}  // namespace analysis
