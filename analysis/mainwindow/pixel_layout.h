#pragma once

#include "common/forms/control.h"

namespace analysis {

// Windows keep their geometry in twips; their layouts are drawn up in pixels of a 96 dpi desktop.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int count) {
    return count * kTwipsPerPixel;
}

inline void place(forms::Control& control, int left, int top, int width, int height) {
    control.Left = pixels(left);
    control.Top = pixels(top);
    control.Width = pixels(width);
    control.Height = pixels(height);
}

}  // namespace analysis
