#pragma once

#include <string>

// A block-form string file: the little-endian mark, then the text as UTF-16LE, padded with
// blanks or cut to the given number of code units (0 keeps the text as it is).
inline std::string blockStringFile(std::u16string text, std::size_t units) {
    if (units != 0) {
        text.resize(units, u' ');
    }
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
