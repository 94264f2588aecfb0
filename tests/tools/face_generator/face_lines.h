#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a face file's text without their CR LF; a text ending in CR LF has no empty last
// line. A lone LF or CR is left inside its line, so a stray one shows up in the comparisons.
inline std::vector<std::string> crLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
