#include "common/files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>

#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace common {

namespace {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

// Read with one open, one status query and as few reads as the size allows: a comparison run
// reads every face file of the folder.
std::string readWholeFile(std::string_view path) {
    const FileDescriptor file(::open(toPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        throw Error(errno == ENOENT || errno == ENOTDIR ? ErrorCode::FileNotFound
                                                        : ErrorCode::PermissionDenied,
                    std::string(path));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw Error(ErrorCode::FileNotFound, std::string(path));
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
            throw Error(ErrorCode::PathFileAccess, std::string(path));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

namespace {
void writeFile(std::string_view path, std::string_view text, std::ios::openmode mode) {
    std::ofstream out(toPath(path), std::ios::binary | mode);
    if (!out) {
        throw Error(ErrorCode::PathFileAccess, std::string(path));
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        throw Error(ErrorCode::PathFileAccess, std::string(path));
    }
}
}  // namespace

void writeWholeFile(std::string_view path, std::string_view text) {
    writeFile(path, text, std::ios::trunc);
}

void appendToFile(std::string_view path, std::string_view text) {
    writeFile(path, text, std::ios::app);
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
