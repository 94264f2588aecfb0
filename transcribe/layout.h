#pragma once

#include "common/forms/control.h"

namespace transcribe {

// The wizard's windows are drawn up in pixels of a 96 dpi desktop and kept in twips.
constexpr int pixels(int count) {
    return count * 15;
}

inline void place(forms::Control& control, int left, int top, int width, int height) {
    control.Left = pixels(left);
    control.Top = pixels(top);
    control.Width = pixels(width);
    control.Height = pixels(height);
}

}  // namespace transcribe
