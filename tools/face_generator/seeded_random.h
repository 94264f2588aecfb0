#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace facegen {

// Random draws that give the same values with every compiler and standard library: the Mersenne
// Twister and the seed sequence are fixed bit for bit by the standard, while its distributions are
// not, and log or cos may differ in the last bit between maths libraries. So every distribution
// here is plain arithmetic on the engine's 32-bit output.
class SeededRandom {
  public:
    // One independent stream per (seed, stream) pair: face k of a seed draws from stream k, so a
    // face does not change when more faces are generated after it.
    SeededRandom(std::uint32_t seed, std::uint32_t stream);

    // Uniform in [0, 1).
    double uniform();
    // Uniform whole number in [low, high], without modulo bias.
    int between(int low, int high);
    // Approximately normal (sum of twelve uniforms), never further than 6 spreads from the mean.
    double normal(double mean, double spread);
    // As normal, limited to [low, high].
    double normalWithin(double mean, double spread, double low, double high);
    bool chance(double probability);

    template <typename T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }

  private:
    std::mt19937 engine_;
};

}  // namespace facegen
