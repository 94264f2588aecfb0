#include "transcribe/colour_parsing.h"

#include <algorithm>
#include <cmath>

#include "common/text/convert.h"
#include "common/text/int16.h"
#include "common/text/strings.h"
#include "transcribe/entry_rules.h"

namespace transcribe {

namespace {

int hexDigit(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    const char ch = text[position];
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return 0;
}

int component(std::string_view text) {
    // A number too large for a double is no colour: it counts 0.
    const double value = common::roundHalfEven(typedNumber(text).value_or(0));
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, 0.0, 255.0));
}

}  // namespace

std::int32_t parseColour(std::string_view text, bool paintMode) {
    if (paintMode) {
        const std::size_t c1 = common::InStr(text, ",");
        const std::size_t c2 = c1 == 0 ? 0 : common::InStr(c1 + 1, text, ",");
        if (c2 != 0) {
            const int red = component(common::Left(text, c1 - 1));
            const int green = component(common::Mid(text, c1 + 1, c2 - c1 - 1));
            const int blue = component(common::Mid(text, c2 + 1));
            return common::RGB(red, green, blue);
        }
    }
    // Colours are usually written "#3B6EA5": one leading "#" is no digit.
    if (text.starts_with('#')) {
        text.remove_prefix(1);
    }
    const int red = 16 * hexDigit(text, 0) + hexDigit(text, 1);
    const int green = 16 * hexDigit(text, 2) + hexDigit(text, 3);
    const int blue = 16 * hexDigit(text, 4) + hexDigit(text, 5);
    return common::RGB(red, green, blue);
}

}  // namespace transcribe
