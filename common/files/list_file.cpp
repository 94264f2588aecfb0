#include "common/files/list_file.h"

#include "common/files/text_file.h"

namespace common {

namespace {

constexpr std::string_view kFaceFileEnding = ".txt";

}  // namespace

std::vector<std::string> listLines(std::string_view text, ListLines keep) {
    std::vector<std::string> lines;
    auto reader = TextFileReader::fromText(std::string(text));
    while (!reader.eof()) {
        std::string line = reader.lineInput();
        if (line == kListEndLine) {
            break;
        }
        if (keep == ListLines::Every) {
            lines.push_back(std::move(line));
            continue;
        }
        const std::size_t ending = line.find(kFaceFileEnding);
        if (ending != std::string::npos) {
            line.resize(ending + kFaceFileEnding.size());
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::vector<std::string> readListFile(std::string_view path, ListLines keep) {
    return listLines(readWholeFile(path), keep);
}

std::string listFileText(std::string_view lines) {
    std::string text(lines);
    text += kListEndLine;
    text += kCrLf;
    return text;
}

std::string listFileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kCrLf;
    }
    return listFileText(text);
}

}  // namespace common
