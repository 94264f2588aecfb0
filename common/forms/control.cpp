#include "common/forms/control.h"

#include "common/forms/application.h"
#include "common/forms/window.h"

namespace forms {

Control::Control(Window& window, ControlKind kind, std::string name, int index)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index) {
    window_.registerControl(*this);
}

Control::~Control() = default;

std::string Control::key() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::Refresh() const {
    window_.app().platform().redrawNow(*this);
}

void Control::SetFocus() {
    window_.requestFocus(*this);
}

void Control::click() {
    if (onClick) {
        onClick();
    }
}

void Control::dblClick() {
    if (onDblClick) {
        onDblClick();
    }
}

}  // namespace forms
