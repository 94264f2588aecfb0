#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/platform.h"

namespace forms {

class Window;

// The windows of one program, the platform they talk to, and the program's run state.
class Application {
  public:
    // startFolder is the folder the program starts in: the folder boxes open there and the
    // program's settings and language files are looked up there.
    Application(common::Platform& platform, std::string startFolder);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    common::Platform& platform() const { return platform_; }
    const std::string& startFolder() const { return startFolder_; }

    const std::vector<Window*>& windows() const { return windows_; }
    Window* activeWindow() const { return active_; }

    // Runs one event handler. An error the handler does not trap is reported to the user and the
    // event abandoned; once the program has ended no handler runs.
    void dispatch(const std::function<void()>& handler);

    // Ends the program: no further events run.
    void End();
    bool ended() const { return ended_; }

    void registerWindow(Window& window);
    void unregisterWindow(Window& window);
    // Makes a window the active one; its Form_Activate runs when it was not active before.
    void activate(Window& window);
    void deactivate(Window& window);

  private:
    common::Platform& platform_;
    std::string startFolder_;
    std::vector<Window*> windows_;
    Window* active_ = nullptr;
    bool ended_ = false;
};

}  // namespace forms
