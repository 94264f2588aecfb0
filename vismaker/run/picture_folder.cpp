#include "vismaker/run/picture_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/text/cp1252.h"

namespace vismaker {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

bool regularFileOpens(int fd) {
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    return regular;
}

bool plainName(std::string_view name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '/') {
            return false;
        }
    }
    return !name.empty();
}

}  // namespace

PictureFolder::PictureFolder(std::string_view folder)
    : folder_(folder),
      folderFd_(::open(common::toPath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

PictureFolder::~PictureFolder() {
    if (folderFd_ >= 0) {
        ::close(folderFd_);
    }
}

bool PictureFolder::exists(std::string_view fileName) const {
    // A name of plain ASCII is the same on disk; any other is looked for as the file lists show
    // it (its UTF-8 form, or its bytes).
    if (folderFd_ >= 0 && plainName(fileName)) {
        return regularFileOpens(::openat(folderFd_, std::string(fileName).c_str(), kOpenFlags));
    }
    return regularFileOpens(
        ::open(common::toPath(common::joinPath(folder_, fileName)).c_str(), kOpenFlags));
}

}  // namespace vismaker
