#include "transcribe/entry_rules.h"

#include <cmath>

#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace transcribe {

namespace {

std::optional<std::int16_t> storable(std::optional<double> magnitude) {
    if (!magnitude) {
        return std::nullopt;
    }
    const double whole = common::roundHalfEven(std::fabs(*magnitude));
    if (!(whole <= kLargestEntry)) {  // NaN is refused too
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

}  // namespace

std::optional<double> typedNumber(std::string_view text) {
    try {
        return common::Val(text);
    } catch (const common::Error&) {
        return std::nullopt;
    }
}

std::optional<std::string> imperialEcho(std::string_view heightText, std::string_view ftWord,
                                        std::string_view inchesWord) {
    if (heightText.empty()) {
        return std::nullopt;
    }
    const std::optional<double> centimetres = typedNumber(heightText);
    if (!centimetres || !std::isfinite(*centimetres)) {
        return std::nullopt;
    }
    const double inchesInAll = *centimetres / 2.54;
    const double feet = common::Int(inchesInAll / 12);
    const double rest = inchesInAll - 12 * feet;
    double inches = common::Int(rest);
    // The display goes in half inches: any remainder above 0.4 shows as a half.
    if (rest - common::Int(rest) > 0.4) {
        inches += 0.5;
    }
    return "= " + common::Str(feet) + " " + std::string(ftWord) + " " + common::Str(inches) + " " +
           std::string(inchesWord);
}

std::optional<std::string> heightRefusal(std::string_view heightText) {
    const std::optional<double> centimetres = typedNumber(heightText);
    if (centimetres &&
        (*centimetres == 0 || (*centimetres >= 1 && *centimetres <= kLargestEntry))) {
        return std::nullopt;
    }
    return "The height \"" + std::string(heightText) +
           "\" cannot be kept: type it in centimetres, from 1 to 32767, or 0 for none.";
}

std::optional<std::string> lineBreakRefusal(std::string_view text, std::string_view boxName) {
    if (text.find_first_of("\r\n") == std::string_view::npos) {
        return std::nullopt;
    }
    return "The \"" + std::string(boxName) +
           "\" box holds a line break, which the face data file cannot keep: each value takes "
           "one line of the file. Please put it on one line.";
}

std::string keptValueWords(std::string_view refusedText, std::int16_t kept) {
    const std::optional<double> typed = typedNumber(refusedText);
    std::string why;
    if (!typed || std::fabs(*typed) > kLargestEntry) {
        why = "too large";
    } else if (refusedText.find_first_of("0123456789") == std::string_view::npos) {
        why = "no number";
    } else {
        why = "0 is no value";
    }
    return why + ": " + common::plain(kept) + " is kept";
}

std::optional<std::int16_t> pointMagnitude(std::string_view text) {
    return storable(typedNumber(text));
}

std::optional<std::int16_t> typedAngle(std::string_view text) {
    return storable(typedNumber(common::Trim(text)));
}

std::optional<std::int16_t> convertPspAngle(std::string_view text) {
    const std::optional<double> typed = typedNumber(common::Trim(text));
    if (!typed) {
        return std::nullopt;
    }
    double angle = *typed - 90;
    if (angle < 0) {
        angle += 360;
    }
    if (angle >= 180) {
        angle -= 180;
    }
    return storable(angle);
}

std::optional<std::int16_t> angleFromDeltas(double dX, double dY) {
    if (!std::isfinite(dX) || !std::isfinite(dY)) {
        return std::nullopt;
    }
    if (dX == 0) {
        return static_cast<std::int16_t>(dY != 0 ? 90 : 0);
    }
    // The degree factor is reckoned with 3.142, as the stored faces were.
    double angle = common::Round(std::atan(dY / dX) * (180 / 3.142), 0);
    if (angle < 0) {
        angle += 180;
    }
    return storable(angle);
}

}  // namespace transcribe
