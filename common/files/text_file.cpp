#include "common/files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "common/files/file_descriptor.h"
#include "common/files/file_size_limit.h"
#include "common/files/safe_save.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace common {

namespace {

// What a path names when it is not a regular file, for the message that refuses it.
std::string_view kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "no regular file";
}

[[noreturn]] void refuseOpen(std::string_view path, int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            throw Error(ErrorCode::FileNotFound, std::string(path));
        case EACCES:
        case EPERM:
            throw Error(ErrorCode::PermissionDenied, std::string(path));
        default:
            throw Error(ErrorCode::PathFileAccess, std::string(path) + ": " + std::strerror(error));
    }
}

}  // namespace

// Read with one open, one status query and as few reads as the size allows: a comparison run
// reads every face file of the folder. The open never waits (O_NONBLOCK: a named pipe without a
// writer would otherwise hold the program forever), and the open file itself is checked, so
// nothing can swap a pipe or device in between a check and the read.
std::string readWholeFile(std::string_view path) {
    const FileDescriptor file(
        ::open(toPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        refuseOpen(path, errno);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        throw Error(ErrorCode::PathFileAccess, std::string(path) + ": " + std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        throw Error(ErrorCode::PathFileAccess, std::string(path) + ": it is " +
                                                   std::string(kindOf(status.st_mode)) +
                                                   ", not a file that can be read");
    }
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error(ErrorCode::PathFileAccess, std::string(path) + ": " + std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

void writeWholeFile(std::string_view path, std::string_view text) {
    saveFile(path, text);
}

// Only a regular file is appended to: opened without waiting, so a named pipe never blocks.
void appendToFile(std::string_view path, std::string_view text) {
    makeFileSizeLimitAnError();
    const FileDescriptor file(
        ::open(toPath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat status {};
    int error = 0;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        error = errno;
    } else if (!S_ISREG(status.st_mode)) {
        error = EINVAL;
    }
    while (error == 0 && !text.empty()) {
        const ssize_t written = ::write(file.get(), text.data(), text.size());
        if (written > 0) {
            text.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0 || errno != EINTR) {
            error = written == 0 ? ENOSPC : errno;
        }
    }
    if (error != 0) {
        throw Error(ErrorCode::PathFileAccess, std::string(path) + ": " + std::strerror(error));
    }
}

std::string quotedItem(std::string_view text) {
    std::string item = "\"";
    item += text;
    item += "\"\r\n";
    return item;
}

bool fileExists(std::string_view path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(toPath(path), ec);
}

TextFileReader::TextFileReader(std::string_view path) : data_(readWholeFile(path)) {}

TextFileReader TextFileReader::fromText(std::string text) {
    TextFileReader reader;
    reader.data_ = std::move(text);
    return reader;
}

bool TextFileReader::atLineEnd() const {
    if (pos_ >= data_.size()) {
        return false;
    }
    return data_[pos_] == '\n' ||
           (data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n');
}

void TextFileReader::skipLineEnd() {
    if (atLineEnd()) {
        pos_ += data_[pos_] == '\r' ? 2 : 1;
    }
}

std::string TextFileReader::lineInput() {
    if (eof()) {
        throw Error(ErrorCode::InputPastEnd);
    }
    const std::size_t start = pos_;
    while (pos_ < data_.size() && !atLineEnd()) {
        ++pos_;
    }
    std::string line = data_.substr(start, pos_ - start);
    skipLineEnd();
    return line;
}

std::string TextFileReader::inputItem() {
    if (eof()) {
        throw Error(ErrorCode::InputPastEnd);
    }
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) {
        ++pos_;
    }
    std::string item;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        const std::size_t close = data_.find('"', pos_ + 1);
        const std::size_t end = close == std::string::npos ? data_.size() : close;
        item = data_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = close == std::string::npos ? data_.size() : close + 1;
        // Whatever stands between the closing quote and the separator is dropped.
        while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd()) {
            ++pos_;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd()) {
            ++pos_;
        }
        item = data_.substr(start, pos_ - start);
        const auto last = item.find_last_not_of(" \t");
        item.erase(last == std::string::npos ? 0 : last + 1);
    }
    if (pos_ < data_.size() && data_[pos_] == ',') {
        ++pos_;
    } else {
        skipLineEnd();
    }
    return item;
}

std::string TextFileReader::input(std::size_t count) {
    if (data_.size() - pos_ < count) {
        throw Error(ErrorCode::InputPastEnd);
    }
    std::string chars = data_.substr(pos_, count);
    pos_ += count;
    return chars;
}

}  // namespace common
