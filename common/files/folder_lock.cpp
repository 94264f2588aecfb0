#include "common/files/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace common {

namespace {

// Opened without following a link and without waiting on a pipe; -1 where no lock file can exist.
int openLockFile(const std::string& path) {
    const std::filesystem::path name = toPath(path);
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(name.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
    if (fd >= 0) {
        return fd;
    }
    fd = ::open(name.c_str(), O_RDONLY | kFlags);
    if (fd >= 0) {
        return fd;
    }
    if (errno == ENOENT) {
        return -1;
    }
    throw Error(ErrorCode::PathFileAccess, path + ": " + std::strerror(errno));
}

}  // namespace

FolderLock::FolderLock(std::string_view folder, std::string_view lockName)
    : fd_(openLockFile(joinPath(folder, lockName))) {
    if (fd_.get() < 0) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(fd_.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
    } else if (errno == EWOULDBLOCK) {
        state_ = State::InUse;
    }
    // Any other answer is a file system that keeps no such locks: the work goes on unlocked.
}

}  // namespace common
