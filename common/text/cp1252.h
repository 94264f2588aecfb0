#pragma once

#include <filesystem>
#include <optional>
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

// Text that is valid UTF-8 made only of characters Windows-1252 has, in Windows-1252; nothing
// for any other text.
std::optional<std::string> utf8AsCp1252(std::string_view text);

// File system paths from and to the 8-bit text form. A name on disk that is UTF-8 of Windows-1252
// characters is held as those characters; any other name is held byte for byte (so a UTF-8 name
// with characters beyond Windows-1252 keeps its UTF-8 bytes). toPath finds each held name on
// disk again: the UTF-8 form of its characters when that exists, else its bytes; a name found
// in neither form (a file to be made) takes the UTF-8 form.
std::filesystem::path toPath(std::string_view text);
std::string fromPath(const std::filesystem::path& path);

// The UTF-8 form of a held name or path, for words shown in UTF-8, part by part: a part held
// byte for byte because it is the UTF-8 of characters Windows-1252 lacks stays as it is; every
// other part is Windows-1252 text and is converted.
std::string heldToUtf8(std::string_view held);

// The UTF-8 of a text as the windows show it: text that is valid UTF-8 (words of a block-form
// string file, a name held beyond Windows-1252) as it stands, any other as Windows-1252.
std::string shownInUtf8(std::string_view text);

// A file of a folder: folder and name joined with one separator.
std::string joinPath(std::string_view folder, std::string_view name);

}  // namespace common
