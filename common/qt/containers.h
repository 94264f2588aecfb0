#pragma once

namespace forms {
class Control;
}

namespace qtui {

// Lines and shapes have no widget: the drawing layer of their container paints them.
bool isGraphic(const forms::Control& control);

// The frame or picture box whose widget holds a control's widget, or null for the window. A
// Container that cannot hold controls, belongs to another window or leads round in a circle
// counts as the window, so a faulty model still renders.
const forms::Control* containerOf(const forms::Control& control);

}  // namespace qtui
