#include "analysis/engine/scoring/colour_distance.h"

#include <cstdlib>

#include "common/text/convert.h"
#include "common/text/int16.h"

namespace analysis {

namespace {
struct Rgb {
    long long red;
    long long green;
    long long blue;
};

Rgb components(std::int32_t value) {
    long long v = value;
    const auto blue = static_cast<long long>(common::Int(static_cast<double>(v) / 65536));
    v -= blue * 65536;
    const auto green = static_cast<long long>(common::Int(static_cast<double>(v) / 256));
    v -= green * 256;
    return {v, green, blue};
}
}  // namespace

std::int32_t ColourDistance(std::int32_t colourA, std::int32_t colourB) {
    const Rgb a = components(colourA);
    const Rgb b = components(colourB);
    return static_cast<std::int32_t>(std::llabs(a.red - b.red) + std::llabs(a.blue - b.blue) +
                                     std::llabs(a.green - b.green));
}

std::string colourKey(int total) {
    std::string key = common::plain(total);
    if (key.size() < 3) {
        key.insert(0, 3 - key.size(), '0');
    }
    return key;
}

}  // namespace analysis
