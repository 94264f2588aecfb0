#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

// Text lives in memory and in files as Windows-1252 bytes, one byte per character, so every
// character position matches the file formats. These convert at the edges (display, file names).
std::string cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 byte become "?".
std::string utf8ToCp1252(std::string_view text);

// The Unicode code point of one Windows-1252 byte.
char32_t cp1252CodePoint(unsigned char byte);

// File system paths from and to the 8-bit text form.
std::filesystem::path toPath(std::string_view text);
std::string fromPath(const std::filesystem::path& path);

// A file of a folder: folder and name joined with one separator.
std::string joinPath(std::string_view folder, std::string_view name);

}  // namespace common
