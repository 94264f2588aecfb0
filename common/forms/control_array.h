#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/text/error.h"

namespace forms {

class Window;

// A row of controls sharing one name, addressed by index (QuickKey(0) .. QuickKey(9)).
template <typename ControlType>
class ControlArray {
  public:
    ControlArray(Window& window, const std::string& name, int first, int last) : first_(first) {
        for (int i = first; i <= last; ++i) {
            items_.push_back(std::make_unique<ControlType>(window, name, i));
        }
    }

    ControlType& operator()(int index) const {
        const int offset = index - first_;
        if (offset < 0 || offset >= static_cast<int>(items_.size())) {
            throw common::Error(common::ErrorCode::SubscriptOutOfRange);
        }
        return *items_[static_cast<std::size_t>(offset)];
    }
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(items_.size()) - 1; }

  private:
    int first_;
    std::vector<std::unique_ptr<ControlType>> items_;
};

}  // namespace forms
