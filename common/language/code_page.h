#pragma once

#include <string>
#include <string_view>

namespace common::language {

// The Windows code page an 8-bit string file of the language is written in, as iconv names it:
// Central European for Polish, Cyrillic for Russian, the double-byte pages for Korean and
// Japanese, Western European for every other.
std::string_view windowsCodePage(std::string_view languageCode);

// A string file's text as UTF-8. A file that is valid UTF-8 as a whole is taken as such, its
// byte-order mark dropped; any other is read in the code page, a byte sequence the page does
// not know becoming the replacement character.
std::string stringFileAsUtf8(std::string_view bytes, std::string_view codePage);

}  // namespace common::language
