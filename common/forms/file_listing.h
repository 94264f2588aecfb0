#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Name order of the file lists: the Windows-1252 bytes of the names after lower-casing, names
// equal in that way by their bytes.
bool nameLess(std::string_view a, std::string_view b);

// Matches a file name against a pattern such as "*.txt" ("*" any run, "?" one character),
// case-sensitively as a Linux shell does; several patterns may be separated by ";".
bool matchesPattern(std::string_view name, std::string_view pattern);

// The plain files of a folder that match the pattern, in name order, each named in the held
// form that opens it again (common::fromPath). Hidden files (a leading ".") are left out, and so
// are names holding a line break (CR or LF) or a "\". A folder that cannot be read lists nothing.
std::vector<std::string> listFiles(std::string_view folder, std::string_view pattern);

// The sub-folders of a folder, in name order, hidden ones left out.
std::vector<std::string> listFolders(std::string_view folder);

}  // namespace forms
