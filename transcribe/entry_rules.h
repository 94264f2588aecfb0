#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace transcribe {

// Typed values are stored in 16-bit fields: a magnitude that rounds above this is refused.
inline constexpr double kLargestEntry = 32767;

// Val of a typed text; nothing when the number is too large for a double.
std::optional<double> typedNumber(std::string_view text);

// The height in feet and half inches, "=  5 ft  8.5 inches" for "175"; nothing when the text is
// empty or its number too large to show.
std::optional<std::string> imperialEcho(std::string_view heightText, std::string_view ftWord,
                                        std::string_view inchesWord);

// The magnitude a point box stores: |Val(text)| rounded to the nearest whole number (ties to
// even); nothing when it rounds above 32767.
std::optional<std::int16_t> pointMagnitude(std::string_view text);

// Why a height text cannot be kept, in words for the user; nothing when it can. A text whose
// value is 0 (or no number) gives no height line; any other value must lie from 1 to 32767 cm,
// which is what the analysis reads.
std::optional<std::string> heightRefusal(std::string_view heightText);

// Why a text typed into the named box cannot be kept, in words naming the box; nothing when it
// can. Each value of the face file takes one line of its own, so it may hold no CR or LF.
std::optional<std::string> lineBreakRefusal(std::string_view text, std::string_view boxName);

// The words beside a box whose text is not what is stored: why the text was refused, and the
// value kept instead ("too large: 9999 is kept").
std::string keptValueWords(std::string_view refusedText, std::int16_t kept);

// A slope typed in degrees (Photoshop, Illustrator): its magnitude rounded; nothing above 32767.
std::optional<std::int16_t> typedAngle(std::string_view text);

// Paint Shop Pro shows 90 for a level line and counts the other way round: its angle becomes
// the face file's slope (90 gives 0, 135 gives 45, 0 gives 90). Nothing above 32767.
std::optional<std::int16_t> convertPspAngle(std::string_view text);

// The slope of a line typed as its horizontal and vertical extent (Microsoft Paint), 0 to 180:
// a vertical line (dX 0) is 90, and no extent at all is 0. Nothing for values beyond reckoning.
std::optional<std::int16_t> angleFromDeltas(double dX, double dY);

}  // namespace transcribe
