#include "common/files/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "common/files/file_size_limit.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace common {

namespace {

// Bytes kept before they are written out: result lists grow record by record.
constexpr std::size_t kBufferSize = 64 * 1024;
// Room left in a name of at most 255 bytes for the dot and the "~xxxxxx" ending.
constexpr std::size_t kNameKept = 200;
constexpr int kNameTries = 100;

// A name beginning with "." is left out of every file list, and one ending in "~" and six
// random letters matches none of the programs' file patterns, so a temporary left by a crash
// never shows up as a face, a list or a statistics file.
std::filesystem::path temporaryName(const std::filesystem::path& target) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = "." + target.filename().string().substr(0, kNameKept) + "~";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[pick(random)];
    }
    return target.parent_path() / name;
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// A folder under the file's name cannot be replaced by the file; a link to a folder can, as the
// rename replaces the link itself.
bool isFolder(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Makes the renames themselves last. Some file systems refuse to sync a folder; the files are
// in place by then, so that is no failure of the save.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

PendingSave::PendingSave(std::string_view path) : path_(path), target_(toPath(path)) {
    makeFileSizeLimitAnError();
    if (target_.filename().empty()) {
        fail(EISDIR);
    }
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryName(target_);
        // Created new, never through a link; 0666 less the user's mask, as any new file.
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == kNameTries)) {
            const int error = errno;
            temporary_.clear();
            fail(error);
        }
    }
    // A file replaced keeps its permissions.
    struct stat old {};
    if (::lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd_, old.st_mode & 07777);
    }
}

PendingSave::~PendingSave() {
    discard();
}

PendingSave::PendingSave(PendingSave&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      fd_(std::exchange(other.fd_, -1)),
      buffer_(std::move(other.buffer_)),
      committed_(other.committed_) {}

void PendingSave::discard() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!committed_ && !temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
    temporary_.clear();
}

void PendingSave::fail(int error) {
    discard();
    throw Error(ErrorCode::PathFileAccess, path_ + ": " + std::strerror(error));
}

void PendingSave::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
        }
        if (written == 0) {
            fail(ENOSPC);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void PendingSave::write(std::string_view bytes) {
    if (fd_ < 0) {
        fail(EBADF);
    }
    if (buffer_.size() + bytes.size() < kBufferSize) {
        buffer_ += bytes;
        return;
    }
    writeOut(buffer_);
    buffer_.clear();
    writeOut(bytes);
}

void PendingSave::finish() {
    if (fd_ < 0) {
        if (temporary_.empty()) {
            fail(EBADF);
        }
        return;
    }
    writeOut(buffer_);
    buffer_.clear();
    buffer_.shrink_to_fit();
    if (::fsync(fd_) != 0) {
        fail(errno);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        fail(errno);
    }
}

void PendingSave::rename() {
    if (isFolder(target_)) {
        fail(EISDIR);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail(errno);
    }
    committed_ = true;
}

void PendingSave::commit() {
    finish();
    rename();
    syncFolder(folderOf(target_));
}

void commitTogether(std::span<PendingSave> saves) {
    try {
        for (PendingSave& save : saves) {
            save.finish();
        }
        // A folder under one of the names would fail its rename after others were in place.
        for (PendingSave& save : saves) {
            if (isFolder(save.target_)) {
                save.fail(EISDIR);
            }
        }
        for (PendingSave& save : saves) {
            save.rename();
        }
    } catch (...) {
        // No temporary outlives a failed unit.
        for (PendingSave& save : saves) {
            save.discard();
        }
        throw;
    }
    std::vector<std::filesystem::path> folders;
    for (const PendingSave& save : saves) {
        std::filesystem::path folder = folderOf(save.target_);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(std::move(folder));
        }
    }
    for (const auto& folder : folders) {
        syncFolder(folder);
    }
}

void saveFile(std::string_view path, std::string_view bytes) {
    PendingSave save(path);
    save.write(bytes);
    save.commit();
}

void saveFilesTogether(std::span<const FileContent> files) {
    std::vector<PendingSave> saves;
    saves.reserve(files.size());
    for (const FileContent& file : files) {
        saves.emplace_back(file.path).write(file.bytes);
    }
    commitTogether(saves);
}

}  // namespace common
