#include "common/text/convert.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>

#include "common/text/error.h"
#include "common/text/int16.h"

namespace common {

namespace {

// Formats a finite non-zero magnitude with the given number of significant digits the way the
// leading-blank number form requires: no trailing zeros, no "0" before ".", and
// scientific notation ("1.5E+15", "1E-05") outside the fixed range. The digits come from
// std::to_chars, which ignores the user's locale: "." stays the decimal mark on every desktop.
std::string formatMagnitude(double magnitude, int digits) {
    char buffer[64];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                       std::chars_format::scientific, digits - 1);
    const std::string_view sci(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto ePos = sci.find('e');
    const std::string_view mantissa = sci.substr(0, ePos);
    std::string_view exponentText = sci.substr(ePos + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string allDigits;
    for (char c : mantissa) {
        if (c != '.') {
            allDigits += c;
        }
    }
    while (allDigits.size() > 1 && allDigits.back() == '0') {
        allDigits.pop_back();
    }

    if (exponent >= digits || exponent < -4) {
        std::string text(1, allDigits[0]);
        if (allDigits.size() > 1) {
            text += '.';
            text += allDigits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int shown = std::abs(exponent);
        if (shown < 10) {
            text += '0';
        }
        text += std::to_string(shown);
        return text;
    }
    if (exponent < 0) {
        std::string text(".");
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += allDigits;
        return text;
    }
    const auto intDigits = static_cast<std::size_t>(exponent + 1);
    if (allDigits.size() <= intDigits) {
        return allDigits + std::string(intDigits - allDigits.size(), '0');
    }
    return allDigits.substr(0, intDigits) + "." + allDigits.substr(intDigits);
}

std::string leadingBlank(double value, int digits) {
    // Infinity and "not a number" have no leading-blank form.
    if (!std::isfinite(value)) {
        throw Error(ErrorCode::Overflow);
    }
    if (value == 0.0) {
        return " 0";
    }
    const std::string magnitude = formatMagnitude(std::fabs(value), digits);
    return (value < 0 ? "-" : " ") + magnitude;
}

bool skippable(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

double radixValue(std::string_view text, std::size_t pos, int radix) {
    unsigned long long value = 0;
    bool any = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (skippable(c)) {
            continue;
        }
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (radix == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (radix == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        }
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFULL) {
            throw Error(ErrorCode::Overflow);
        }
        any = true;
    }
    if (!any) {
        return 0.0;
    }
    // Up to four hex digits make a 16-bit number, up to eight a 32-bit one: &HFFFF is -1.
    if (value <= 0xFFFFULL) {
        return static_cast<double>(static_cast<std::int16_t>(value));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

std::string Str(double value) {
    return leadingBlank(value, 15);
}

std::string Str(long long value) {
    std::string text = value < 0 ? std::string() : std::string(1, ' ');
    text += std::to_string(value);
    return text;
}

std::string StrSingle(double value) {
    // A double beyond the single-precision range has no single-precision value to show.
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        throw Error(ErrorCode::Overflow);
    }
    return leadingBlank(static_cast<double>(static_cast<float>(value)), 7);
}

std::string plain(long long value) {
    return std::to_string(value);
}

namespace {

// Most values in the files are plain whole numbers: read those without building a text for the
// general reader. Anything with a fraction, an exponent or a prefix is left to it.
std::optional<double> wholeNumber(std::string_view text, std::size_t pos) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    long long value = 0;
    int digits = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        } else if (!skippable(c)) {
            if (c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd') {
                return std::nullopt;
            }
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return static_cast<double>(negative ? -value : value);
}

}  // namespace

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && skippable(text[pos])) {
        ++pos;
    }
    if (const auto whole = wholeNumber(text, pos)) {
        return *whole;
    }
    if (pos + 1 < text.size() && text[pos] == '&') {
        const char kind = text[pos + 1];
        if (kind == 'H' || kind == 'h') {
            return radixValue(text, pos + 2, 16);
        }
        if (kind == 'O' || kind == 'o') {
            return radixValue(text, pos + 2, 8);
        }
        return 0.0;
    }

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    // The digits without blanks, and the decimal exponent of the first significant one, which
    // tells a value too large for a double from one too small.
    std::string clean;
    bool digits = false;
    bool point = false;
    long long leadExponent = 0;
    bool significant = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (skippable(c)) {
            continue;
        }
        if (c >= '0' && c <= '9') {
            clean += c;
            digits = true;
            if (!significant && c != '0') {
                significant = true;
                if (point) {
                    --leadExponent;
                }
            } else if (significant && !point) {
                ++leadExponent;
            } else if (!significant && point) {
                --leadExponent;
            }
        } else if (c == '.' && !point) {
            clean += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0;
    }
    if (pos < text.size() &&
        (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::string exponent = "e";
        long long exponentValue = 0;
        bool exponentNegative = false;
        std::size_t p = pos + 1;
        while (p < text.size() && skippable(text[p])) {
            ++p;
        }
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            exponentNegative = text[p] == '-';
            if (exponentNegative) {
                exponent += '-';
            }
            ++p;
        }
        bool expDigits = false;
        for (; p < text.size(); ++p) {
            const char c = text[p];
            if (skippable(c)) {
                continue;
            }
            if (c < '0' || c > '9') {
                break;
            }
            exponent += c;
            exponentValue = std::min(exponentValue * 10 + (c - '0'), 1'000'000'000LL);
            expDigits = true;
        }
        if (expDigits) {
            clean += exponent;
            leadExponent += exponentNegative ? -exponentValue : exponentValue;
        }
    }
    double value = 0.0;
    const auto parsed = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as 0, too large is an overflow.
        if (leadExponent > 0) {
            throw Error(ErrorCode::Overflow);
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

double Int(double value) {
    return std::floor(value);
}

double Round(double value, int decimals) {
    if (decimals <= 0) {
        return roundHalfEven(value);
    }
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(value * scale) / scale;
}

}  // namespace common
