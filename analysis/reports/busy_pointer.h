#pragma once

#include "common/forms/window.h"

namespace analysis {

// The hourglass on a window for as long as a step works, however the step ends.
class BusyPointer {
  public:
    explicit BusyPointer(forms::Window& window) : window_(window) { window_.setBusy(true); }
    ~BusyPointer() { window_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    forms::Window& window_;
};

}  // namespace analysis
