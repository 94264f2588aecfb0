#pragma once

#include <sys/types.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace qtui {

// Hands a page or an address to the desktop's opener (xdg-open) without waiting for it. The
// opener may hand it on and end at once, or run the browser itself until the browser closes; so
// its exit status is looked at only for a few seconds, in the event loop, and an opener still
// running then is taken to have succeeded (it is reaped, unreported, whenever it ends).
class DesktopOpener {
  public:
    using Failed = std::function<void(const std::string& reason)>;

    DesktopOpener();
    ~DesktopOpener();
    DesktopOpener(const DesktopOpener&) = delete;
    DesktopOpener& operator=(const DesktopOpener&) = delete;

    // The opener program (looked up on PATH) and how long its exit status is waited for.
    void setProgram(std::string program, std::chrono::milliseconds watch);

    // Starts the opener on one argument. An opener that cannot be started is reported through
    // failed before this returns; a non-zero exit status or a signal within the watch time is
    // reported when it comes.
    void open(const std::string& argument, Failed failed);

  private:
    struct Started {
        pid_t pid;
        QElapsedTimer since;
        Failed failed;
    };
    void poll();
    std::string exitReason(int status) const;

    std::string program_ = "xdg-open";
    std::chrono::milliseconds watch_{5000};
    std::vector<Started> running_;
    QTimer poll_;
};

}  // namespace qtui
