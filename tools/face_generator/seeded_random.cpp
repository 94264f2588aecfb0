#include "tools/face_generator/seeded_random.h"

#include <algorithm>

namespace facegen {

namespace {

std::mt19937 seededEngine(std::uint32_t seed, std::uint32_t stream) {
    std::seed_seq sequence{seed, stream};
    return std::mt19937(sequence);
}

}  // namespace

SeededRandom::SeededRandom(std::uint32_t seed, std::uint32_t stream)
    : engine_(seededEngine(seed, stream)) {}

double SeededRandom::uniform() {
    return static_cast<double>(engine_()) / 4294967296.0;
}

int SeededRandom::between(int low, int high) {
    const auto range = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    // Draws at or above the last whole multiple of the range would favour the low values.
    const std::uint64_t limit = (std::uint64_t{1} << 32) / range * range;
    std::uint64_t draw = engine_();
    while (draw >= limit) {
        draw = engine_();
    }
    return static_cast<int>(low + static_cast<std::int64_t>(draw % range));
}

double SeededRandom::normal(double mean, double spread) {
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) {
        sum += uniform();
    }
    return mean + (sum - 6.0) * spread;
}

double SeededRandom::normalWithin(double mean, double spread, double low, double high) {
    return std::clamp(normal(mean, spread), low, high);
}

bool SeededRandom::chance(double probability) {
    return uniform() < probability;
}

}  // namespace facegen
