#include "vismaker/run/picture_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "common/files/file_descriptor.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"

namespace vismaker {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool regularFileOpens(int fd) {
    const common::FileDescriptor file(fd);
    struct stat status {};
    return file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode);
}

// A name that is the same in the held form and on disk.
bool plainName(std::string_view name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '/') {
            return false;
        }
    }
    return !name.empty();
}

}  // namespace

PictureFolder::PictureFolder(std::string_view folder, std::size_t faceCount)
    : folder_(folder),
      folderFd_(::open(common::toPath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
      readsEverything_(::geteuid() == 0) {
    if (folderFd_ >= 0) {
        views_.reserve(faceCount);
        list();
    }
}

// The view pictures of every stem, from one pass over the folder.
void PictureFolder::list() {
    const int listFd = ::dup(folderFd_);
    DIR* const dir = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() < 5 || !name.ends_with(".jpg")) {
            continue;
        }
        const char view = name[name.size() - 5];
        if (view < '0' || view > '4') {
            continue;
        }
        bool regular = entry->d_type == DT_REG;
        // A link counts by what it points to; some file systems do not tell the kind at all.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular =
                ::fstatat(folderFd_, entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
        }
        if (regular) {
            // Keyed by the name as the file lists hold it.
            std::string converted;
            std::string_view held = name;
            if (!plainName(name)) {
                converted = common::fromPath(std::string(name));
                held = converted;
            }
            const std::string_view stem = held.substr(0, held.size() - 5);
            const auto bit = static_cast<std::uint8_t>(1U << (view - '0'));
            if (const auto found = views_.find(stem); found != views_.end()) {
                found->second |= bit;
            } else {
                views_.emplace(stem, bit);
            }
        }
    }
    ::closedir(dir);
    listed_ = true;
}

PictureFolder::~PictureFolder() {
    if (folderFd_ >= 0) {
        ::close(folderFd_);
    }
}

// Opens a file of the folder by its held name: its UTF-8 form, else its bytes (as toPath finds
// it), without looking anything else up.
int PictureFolder::openHeld(std::string_view fileName) const {
    const std::string utf8 = common::cp1252ToUtf8(fileName);
    const int fd = ::openat(folderFd_, utf8.c_str(), kOpenFlags);
    if (fd >= 0 || errno != ENOENT || utf8 == fileName) {
        return fd;
    }
    return ::openat(folderFd_, std::string(fileName).c_str(), kOpenFlags);
}

// The file may have gone, or be one the user may not read, since the folder was listed.
bool PictureFolder::readable(std::string_view fileName) const {
    const std::string utf8 = common::cp1252ToUtf8(fileName);
    if (::faccessat(folderFd_, utf8.c_str(), R_OK, AT_EACCESS) == 0) {
        return true;
    }
    return utf8 != fileName &&
           ::faccessat(folderFd_, std::string(fileName).c_str(), R_OK, AT_EACCESS) == 0;
}

bool PictureFolder::exists(std::string_view fileName) const {
    const bool viewName = fileName.size() >= 5 && fileName.ends_with(".jpg") &&
                          fileName[fileName.size() - 5] >= '0' &&
                          fileName[fileName.size() - 5] <= '4';
    if (listed_ && viewName && fileName.find('/') == std::string_view::npos) {
        const auto found = views_.find(fileName.substr(0, fileName.size() - 5));
        const unsigned bit = 1U << (fileName[fileName.size() - 5] - '0');
        return found != views_.end() && (found->second & bit) != 0 &&
               (readsEverything_ || readable(fileName));
    }
    return regularFileOpens(
        ::open(common::toPath(common::joinPath(folder_, fileName)).c_str(), kOpenFlags));
}

// The common case in few calls: open, size, one read that comes back short, close. Anything
// else, and every failure, goes the general way, which reports it.
std::string PictureFolder::read(std::string_view fileName) const {
    if (folderFd_ >= 0 && fileName.find('/') == std::string_view::npos) {
        const common::FileDescriptor file(openHeld(fileName));
        struct stat status {};
        if (file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode)) {
            std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
            const ssize_t got = ::read(file.get(), bytes.data(), bytes.size());
            if (got >= 0 && static_cast<std::size_t>(got) < bytes.size()) {
                bytes.resize(static_cast<std::size_t>(got));
                return bytes;
            }
        }
    }
    return common::readWholeFile(common::joinPath(folder_, fileName));
}

}  // namespace vismaker
