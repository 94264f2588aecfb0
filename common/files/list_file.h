#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// A list file (*.lst) names face files, one a line, and ends at the line that is exactly "99999":
// a face named "Agent 9999.txt" stays listed, and lines after the end line are never read. A list
// made by hand without the end line is read to its end. Lines end in CR LF, or in a lone LF in a
// list edited on Linux; lists are written with CR LF.
inline constexpr std::string_view kListEndLine = "99999";

// What a reader keeps of the lines before the end line.
enum class ListLines {
    // Every line as it stands, blank lines and notes included: the list editor shows a list as it
    // was written, so that saving it again loses nothing.
    Every,
    // Only the lines that name a face file: every line holding ".txt", cut after its first ".txt"
    // ("Bea.txt and more" names Bea.txt). A comparison runs on these and skips the rest.
    FaceFiles,
};

// The lines of a list text up to its end line.
std::vector<std::string> listLines(std::string_view text, ListLines keep);
// Reads the list file at path; a file that cannot be read raises common::Error as readWholeFile
// does.
std::vector<std::string> readListFile(std::string_view path, ListLines keep);

// The text of a list file whose lines are given as one text, each line already ending in its CR LF:
// the text as it stands, then the end line. A last line without its line end shares the end line,
// so that list has no end line and is read to its end.
std::string listFileText(std::string_view lines);
// The text of a list file: every line followed by CR LF, then the end line.
std::string listFileText(const std::vector<std::string>& lines);

}  // namespace common
