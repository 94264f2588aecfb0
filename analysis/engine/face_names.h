#pragma once

#include <string>
#include <string_view>

namespace analysis {

// A face name taken from a list file, a result record, a quick key or a face file's name line
// names a file of the data folder and nothing else. Gives why the face file name ("<stem>.txt")
// cannot be such a name: it holds "/" or "\", its stem is "." or "..", or it begins with "."
// (a hidden file). "" for a plain name.
std::string whyNotAFaceOfTheFolder(std::string_view fileName);

}  // namespace analysis
