#include "common/qt/desktop_opener.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <utility>

extern char** environ;

namespace qtui {

namespace {

constexpr std::chrono::milliseconds kPollInterval{100};

// The opener starts with the default handling of every signal and none blocked, whatever the
// program set for itself (a save ignores the file-size signal).
class SpawnAttributes {
  public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGXFSZ);
        sigaddset(&defaults, SIGPIPE);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return &attributes_; }

  private:
    posix_spawnattr_t attributes_{};
};

}  // namespace

DesktopOpener::DesktopOpener() {
    poll_.setInterval(kPollInterval);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
}

// Openers still running are left to run: a browser the user is reading is not closed.
DesktopOpener::~DesktopOpener() = default;

void DesktopOpener::setProgram(std::string program, std::chrono::milliseconds watch) {
    program_ = std::move(program);
    watch_ = watch;
}

void DesktopOpener::open(const std::string& argument, Failed failed) {
    const SpawnAttributes attributes;
    std::string program = program_;
    std::string argumentCopy = argument;
    char* argv[] = {program.data(), argumentCopy.data(), nullptr};
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, program_.c_str(), nullptr, attributes.get(), argv, environ);
    if (error != 0) {
        failed(error == ENOENT ? "no program to open it was found (" + program_ + " is missing)"
                               : program_ + " could not be started (" + std::strerror(error) + ")");
        return;
    }
    Started started{pid, {}, std::move(failed)};
    started.since.start();
    running_.push_back(std::move(started));
    if (!poll_.isActive()) {
        poll_.start();
    }
}

void DesktopOpener::poll() {
    // A report opens a message box with an event loop of its own; the list is settled first.
    std::vector<std::pair<Failed, std::string>> reports;
    for (auto it = running_.begin(); it != running_.end();) {
        int status = 0;
        const pid_t done = ::waitpid(it->pid, &status, WNOHANG);
        if (done == 0) {
            ++it;
            continue;
        }
        const bool watched = it->since.elapsed() <= watch_.count();
        const bool failed = WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) != 0);
        if (done == it->pid && watched && failed) {
            reports.emplace_back(std::move(it->failed), exitReason(status));
        }
        it = running_.erase(it);
    }
    if (running_.empty()) {
        poll_.stop();
    }
    for (auto& [failed, reason] : reports) {
        failed(reason);
    }
}

std::string DesktopOpener::exitReason(int status) const {
    if (WIFSIGNALED(status)) {
        return program_ + " was ended by signal " + std::to_string(WTERMSIG(status));
    }
    const int code = WEXITSTATUS(status);
    std::string reason = program_ + " failed with exit status " + std::to_string(code);
    // The meanings xdg-open gives its exit statuses.
    switch (code) {
        case 2:
            reason += ": it does not exist";
            break;
        case 3:
            reason += ": no program to open it was found";
            break;
        case 4:
            reason += ": the program that opens it failed";
            break;
        default:
            break;
    }
    return reason;
}

}  // namespace qtui
