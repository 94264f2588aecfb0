#include "common/forms/window.h"

#include "common/forms/application.h"

namespace forms {

Window::Window(Application& app, std::string name) : app_(app), name_(std::move(name)) {
    app_.registerWindow(*this);
}

Window::~Window() {
    app_.unregisterWindow(*this);
}

void Window::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    Form_Load();
}

void Window::Show() {
    Load();
    if (app_.ended()) {
        return;
    }
    visible_ = true;
    app_.activate(*this);
    app_.platform().activateWindow(*this);
}

void Window::Hide() {
    Load();
    visible_ = false;
    app_.deactivate(*this);
}

void Window::userClose() {
    if (!Form_QueryUnload()) {
        return;
    }
    Form_Unload();
    if (!app_.ended()) {
        Hide();
    }
}

void Window::activate() {
    if (visible_) {
        app_.activate(*this);
    }
}

void Window::setBusy(bool busy) {
    app_.platform().setBusyPointer(busy);
}

void Window::Refresh() const {
    app_.platform().redrawNow(*this);
}

void Window::FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    surface_.push_back({x1, y1, x2, y2, colour});
}

Control* Window::find(std::string_view key) const {
    for (Control* control : controls_) {
        if (control->key() == key) {
            return control;
        }
    }
    return nullptr;
}

void Window::registerControl(Control& control) {
    controls_.push_back(&control);
}

}  // namespace forms
