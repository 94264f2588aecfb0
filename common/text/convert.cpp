#include "common/text/convert.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "common/text/error.h"
#include "common/text/int16.h"

namespace common {

namespace {

// Formats a finite non-zero magnitude with the given number of significant digits the way the
// leading-blank number form requires: no trailing zeros, no "0" before ".", and
// scientific notation ("1.5E+15", "1E-05") outside the fixed range.
std::string formatMagnitude(double magnitude, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, magnitude);
    const std::string sci(buffer);
    const auto ePos = sci.find('e');
    std::string mantissa = sci.substr(0, ePos);
    const int exponent = std::atoi(sci.c_str() + ePos + 1);

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
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return text + expText;
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
        } else if (radix == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
            digit = std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
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

std::string StrSingle(float value) {
    return leadingBlank(static_cast<double>(value), 7);
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
        const char kind =
            static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos + 1])));
        if (kind == 'H') {
            return radixValue(text, pos + 2, 16);
        }
        if (kind == 'O') {
            return radixValue(text, pos + 2, 8);
        }
        return 0.0;
    }

    std::string clean;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        clean += text[pos++];
    }
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (skippable(c)) {
            continue;
        }
        if (c >= '0' && c <= '9') {
            clean += c;
            digits = true;
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
        std::size_t p = pos + 1;
        while (p < text.size() && skippable(text[p])) {
            ++p;
        }
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            exponent += text[p++];
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
            expDigits = true;
        }
        if (expDigits) {
            clean += exponent;
        }
    }
    const double value = std::strtod(clean.c_str(), nullptr);
    if (std::isinf(value)) {
        throw Error(ErrorCode::Overflow);
    }
    return value;
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
