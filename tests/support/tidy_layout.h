#pragma once

#include <set>
#include <string>
#include <utility>

#include "common/forms/control.h"
#include "common/forms/window.h"

namespace testsupport {

// True when the two controls' rectangles share any area; touching edges do not overlap.
bool overlap(const forms::Control& a, const forms::Control& b);

// What a tidy layout lets pass.
struct TidyLayoutRules {
    // Pairs of controls, by key and in either order, meant to lie over one another.
    std::set<std::pair<std::string, std::string>> meantToOverlap{};
    // Controls the check passes over altogether.
    std::set<std::string> leftOut{};
    // Hidden controls count too, for a window whose controls all show at some time.
    bool hiddenToo = false;
    // Lines and shapes are painted beneath the windowed controls, so they count only where asked.
    bool canvasItemsToo = false;
};

// Every control that counts has a size, lies inside its frame or window and is clear of the
// others in the same frame or window. A failure names the controls.
void expectTidyLayout(const forms::Window& window, const TidyLayoutRules& rules = {});

}  // namespace testsupport
