#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace common {

// The new content of one file, written aside into a temporary file of the same folder. Only
// commit puts it in place, by a rename over the old file, so until then, and whenever anything
// fails, the old file stays whole. A temporary not committed is removed when the object goes.
// Every failure raises common::Error naming the file and the reason.
//
// The temporary is created new (never opened through a link or over an existing file), and the
// rename replaces whatever stands under the file's name, a symbolic link or a named pipe
// included, without opening it: nothing is written through a link and nothing blocks.
class PendingSave {
  public:
    // path is in the programs' 8-bit text form.
    explicit PendingSave(std::string_view path);
    ~PendingSave();
    PendingSave(PendingSave&& other) noexcept;
    PendingSave& operator=(PendingSave&&) = delete;
    PendingSave(const PendingSave&) = delete;
    PendingSave& operator=(const PendingSave&) = delete;

    // Adds bytes to the new content (buffered).
    void write(std::string_view bytes);
    // Writes out what is buffered, flushes the temporary to disk and closes it.
    void finish();
    // Finishes, then renames the temporary over the file.
    void commit();

    const std::string& path() const { return path_; }

  private:
    friend void commitTogether(std::span<PendingSave> saves);
    void writeOut(std::string_view bytes);
    void rename();
    // Closes and removes the temporary unless it was put in place.
    void discard() noexcept;
    [[noreturn]] void fail(int error);

    std::string path_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::string buffer_;
    bool committed_ = false;
};

// Saves bytes as the whole new content of one file: temporary file, flush to disk, rename.
void saveFile(std::string_view path, std::string_view bytes);

// Puts several files in place as one unit: every temporary is written and flushed to disk, and
// no name is taken by a folder, before the first rename, so a failure on any of them leaves every
// old file as it was. Only a rename refused once others were done (renames within one folder
// hardly fail) would leave the unit part new; the temporaries are removed whatever fails.
void commitTogether(std::span<PendingSave> saves);

struct FileContent {
    std::string_view path;
    std::string_view bytes;
};
void saveFilesTogether(std::span<const FileContent> files);

}  // namespace common
