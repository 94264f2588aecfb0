#include "analysis/engine/scoring/similarity.h"

#include <algorithm>
#include <cmath>

#include "common/text/convert.h"
#include "common/text/int16.h"

namespace analysis {

double similarityTolerance(int faceSlider) {
    const int v = faceSlider <= 0 ? 1 : faceSlider;
    return (20.0 / v) * 0.4 + 0.1;
}

std::int16_t MeasurementSimilarity(double a, double b, double ref, int faceSlider) {
    if (a == b) {
        return 100;
    }
    const double t = similarityTolerance(faceSlider);
    const double d1 = std::fabs(a - ref);
    const double d2 = std::fabs(b - ref);
    const bool sameSide = (a < ref && b < ref) || (a > ref && b > ref);
    if (sameSide) {
        double r = d2 > d1 ? d1 / d2 : d2 / d1;
        if (r < t) {
            r = t;
        }
        // A tolerance above 1 would lift a same-side score past "the same": 100 is the ceiling.
        return common::toInt16(std::min(100.0, common::Int(100 * r)));
    }
    if (d2 > d1 * (1 + t)) {
        return 0;
    }
    return common::toInt16(common::Int(100 * d1 / (d1 + d2)));
}

std::int16_t strictSimilarity(double g1, double g2, double gm) {
    if (g1 == g2) {
        return 100;
    }
    if ((g1 < gm && gm < g2) || (g2 < gm && gm < g1)) {
        return 0;
    }
    const double d1 = std::fabs(g1 - gm);
    const double d2 = std::fabs(g2 - gm);
    const double smaller = std::min(d1, d2);
    const double larger = std::max(d1, d2);
    return common::toInt16(common::Int(100 * smaller / larger));
}

}  // namespace analysis
