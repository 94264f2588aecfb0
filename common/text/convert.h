#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// Leading-blank form of a number: " 12", "-7", " .5", " 1E+15" (15 significant digits), with
// "." as the decimal mark whatever the user's locale. Infinity and "not a number" raise Overflow.
std::string Str(double value);
std::string Str(long long value);
inline std::string Str(int value) {
    return Str(static_cast<long long>(value));
}
inline std::string Str(std::int16_t value) {
    return Str(static_cast<long long>(value));
}
// The same for a single-precision number (7 significant digits); the value is first rounded to
// single precision.
std::string StrSingle(double value);

// Plain form of a whole number: "12", "-7".
std::string plain(long long value);

// Longest numeric prefix of a text; blanks, tabs, CR and LF are skipped wherever they stand;
// sign, digits, one ".", an exponent after E or D, "&H" and "&O" prefixes. No number gives 0.
double Val(std::string_view text);

// Largest whole number not above the value (-2.5 gives -3).
double Int(double value);

// Rounds to n decimals, ties to the even neighbour.
double Round(double value, int decimals = 0);

}  // namespace common
