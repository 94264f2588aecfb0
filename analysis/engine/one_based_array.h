#pragma once

#include <array>
#include <cstddef>

#include "common/text/error.h"

namespace analysis {

// A fixed array addressed from 1 to N, as the face and statistics layouts number their elements.
// An index outside 1..N raises SubscriptOutOfRange rather than touching other memory.
template <typename T, std::size_t N>
class OneBasedArray {
  public:
    static constexpr int size() { return static_cast<int>(N); }

    T& operator[](int index) { return items_[offset(index)]; }
    const T& operator[](int index) const { return items_[offset(index)]; }

    friend bool operator==(const OneBasedArray&, const OneBasedArray&) = default;

  private:
    static std::size_t offset(int index) {
        if (index < 1 || index > size()) {
            throw common::Error(common::ErrorCode::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index - 1);
    }

    std::array<T, N> items_{};
};

}  // namespace analysis
