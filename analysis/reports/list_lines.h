#pragma once

#include <string_view>
#include <vector>

namespace analysis {

// The lines of a result list up to its end line, which is exactly "99999"; CR LF or a lone LF
// ends a line. A list without its end line runs to the end of the text.
struct ListLines {
    std::vector<std::string_view> records;
    bool ended = false;
};
ListLines listLines(std::string_view text);
// Every line of a text.
std::vector<std::string_view> splitLines(std::string_view text);

inline constexpr std::string_view kEndLine = "99999";

}  // namespace analysis
