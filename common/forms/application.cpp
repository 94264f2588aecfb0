#include "common/forms/application.h"

#include <algorithm>
#include <exception>

#include "common/forms/window.h"

namespace forms {

Application::Application(common::Platform& platform, std::string startFolder)
    : platform_(platform), startFolder_(std::move(startFolder)) {}

void Application::dispatch(const std::function<void()>& handler) {
    if (ended_) {
        return;
    }
    try {
        handler();
    } catch (const std::exception& e) {
        platform_.setBusyPointer(false);
        platform_.reportError(e.what());
    }
}

void Application::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    platform_.endProgram();
}

void Application::registerWindow(Window& window) {
    windows_.push_back(&window);
}

void Application::unregisterWindow(Window& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
    if (active_ == &window) {
        active_ = nullptr;
    }
}

void Application::activate(Window& window) {
    if (active_ == &window || ended_) {
        return;
    }
    active_ = &window;
    window.Form_Activate();
}

void Application::deactivate(Window& window) {
    if (active_ == &window) {
        active_ = nullptr;
    }
}

}  // namespace forms
