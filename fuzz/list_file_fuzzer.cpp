// List files and every other text file are read through the 8-bit text reader: by lines (list
// files, result lists, settings), by comma-separated items (statistics, face values) and by
// character counts. The list file module reads lists by lines up to their end line.
#include <cstddef>
#include <cstdint>

#include "common/files/list_file.h"
#include "common/files/text_file.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fuzz::text(data, size);

    // By lines, as a list is read up to its "99999" line: no line holds an LF (a lone CR ends no
    // line and stays in it), and the lines with their ends make up the whole text.
    auto lines = common::TextFileReader::fromText(input);
    std::size_t lineBytes = 0;
    std::size_t lineCount = 0;
    while (!lines.eof()) {
        const std::string line = lines.lineInput();
        fuzz::check(line.find('\n') == std::string::npos, "a line holds no LF");
        lineBytes += line.size();
        ++lineCount;
    }
    fuzz::check(lineBytes <= input.size() && input.size() <= lineBytes + 2 * lineCount,
                "lines and their ends make up the text");
    try {
        lines.lineInput();
        fuzz::check(false, "reading past the end raises an error");
    } catch (const common::Error&) {
    }

    // As a list: no line kept is the end line, every face file ends at its only ".txt", and a
    // list written from the lines read reads back the same.
    const auto every = common::listLines(input, common::ListLines::Every);
    for (const std::string& line : every) {
        fuzz::check(line != common::kListEndLine, "the end line ends the list");
    }
    fuzz::check(common::listLines(common::listFileText(every), common::ListLines::Every) == every,
                "a list written reads back as it was");
    for (const std::string& name : common::listLines(input, common::ListLines::FaceFiles)) {
        fuzz::check(name.find(".txt") == name.size() - 4, "a face file ends at its first .txt");
    }

    // By items and by counts, mixed as the statistics and face readers mix them; every read
    // moves on, so the loop ends.
    auto items = common::TextFileReader::fromText(input);
    std::size_t turn = 0;
    try {
        while (!items.eof()) {
            switch (turn++ % 3) {
                case 0:
                    items.inputItem();
                    break;
                case 1:
                    items.input(1 + turn % 4);
                    break;
                default:
                    items.lineInput();
                    break;
            }
        }
    } catch (const common::Error&) {
    }
    fuzz::check(turn <= input.size() + 1, "every read moves on");
    return 0;
}
