#include "transcribe/normalise.h"

#include <cmath>

#include "common/text/convert.h"

namespace transcribe {

Normalised normaliseCoordinates(const RawPoints& raw) {
    Normalised result;
    const int chinY = raw[1];
    result.distance = chinY - raw[3];
    if (result.distance == 0) {
        return result;
    }
    const double factor = 1000.0 / result.distance;
    for (std::size_t k = 0; k < 20; ++k) {
        const double x = common::Int(raw[2 * k] * factor);
        const double y = common::Int((chinY - raw[2 * k + 1]) * factor);
        if (x < kLowestX || x > kHighestX || y < kLowestY || y > kHighestY) {
            result.badPoint = static_cast<int>(k) + 1;
            return result;
        }
        result.points[k] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    }
    result.ok = true;
    return result;
}

}  // namespace transcribe
