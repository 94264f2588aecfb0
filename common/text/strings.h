#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// Removes blanks (only blanks) from both ends, from the left, from the right.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// Characters from position start (1-based); all the rest when length is omitted.
std::string Mid(std::string_view text, std::size_t start, std::size_t length = std::string::npos);
std::string Left(std::string_view text, std::size_t length);
std::string Right(std::string_view text, std::size_t length);

// 1-based position of the first occurrence of what at or after start; 0 when absent.
// Case-sensitive.
std::size_t InStr(std::size_t start, std::string_view text, std::string_view what);
inline std::size_t InStr(std::string_view text, std::string_view what) {
    return InStr(1, text, what);
}

// Upper-case hexadecimal without leading zeros; a negative value shows its 32-bit pattern.
std::string Hex(std::int64_t value);

// Colour value red + 256 x green + 65536 x blue.
constexpr std::int32_t RGB(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

}  // namespace common
