#include "common/qt/containers.h"

#include "common/forms/control.h"
#include "common/forms/window.h"

namespace qtui {

namespace {

bool canHold(const forms::Control& container, const forms::Control& control) {
    return (container.kind() == forms::ControlKind::Frame ||
            container.kind() == forms::ControlKind::PictureBox) &&
           &container.window() == &control.window() && &container != &control;
}

}  // namespace

bool isGraphic(const forms::Control& control) {
    return control.kind() == forms::ControlKind::Line ||
           control.kind() == forms::ControlKind::Shape;
}

const forms::Control* containerOf(const forms::Control& control) {
    const forms::Control* container = control.Container;
    if (container == nullptr || !canHold(*container, control)) {
        return nullptr;
    }
    // Coming back to the control, or walking more steps than the window has controls, means the
    // chain is a circle.
    std::size_t steps = control.window().controls().size();
    for (const forms::Control* up = container;;) {
        if (up == &control || steps-- == 0) {
            return nullptr;
        }
        const forms::Control* next = up->Container;
        if (next == nullptr || !canHold(*next, *up)) {
            return container;
        }
        up = next;
    }
}

}  // namespace qtui
