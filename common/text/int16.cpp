#include "common/text/int16.h"

#include <cmath>
#include <limits>

namespace common {

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) {
        return floor + 1.0;
    }
    if (diff < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw Error(ErrorCode::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

std::int32_t toInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        throw Error(ErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

Int16 Int16::checked(long long value) {
    if (value < -32768 || value > 32767) {
        throw Error(ErrorCode::Overflow);
    }
    return Int16(static_cast<std::int16_t>(value));
}

}  // namespace common
