#pragma once

#include <cstdint>

#include "common/text/error.h"

namespace common {

// Converts a fraction to a whole number: nearest value, ties to the even neighbour (2.5 -> 2).
double roundHalfEven(double value);

// Stores a number into a 16-bit field: rounded half-even, Overflow outside -32768..32767.
std::int16_t toInt16(double value);
// The same for a 32-bit field.
std::int32_t toInt32(double value);

// A 16-bit signed whole number whose arithmetic raises Overflow instead of wrapping.
class Int16 {
  public:
    constexpr Int16() = default;
    constexpr Int16(std::int16_t value) : value_(value) {}  // NOLINT: implicit by design

    static Int16 checked(long long value);

    constexpr std::int16_t value() const { return value_; }
    constexpr operator std::int16_t() const { return value_; }  // NOLINT: implicit by design

    friend Int16 operator+(Int16 a, Int16 b) { return checked(a.wide() + b.wide()); }
    friend Int16 operator-(Int16 a, Int16 b) { return checked(a.wide() - b.wide()); }
    friend Int16 operator*(Int16 a, Int16 b) { return checked(a.wide() * b.wide()); }
    Int16 operator-() const { return checked(-wide()); }
    Int16& operator+=(Int16 other) { return *this = *this + other; }
    Int16& operator-=(Int16 other) { return *this = *this - other; }

  private:
    constexpr long long wide() const { return value_; }
    std::int16_t value_ = 0;
};

}  // namespace common
