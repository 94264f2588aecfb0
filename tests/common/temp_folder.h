#pragma once

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <string>

#include "common/files/text_file.h"
#include "common/text/cp1252.h"

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("facesuite-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder in the programs' 8-bit text form.
    std::string text() const { return common::fromPath(path_); }
    std::string file(const std::string& name) const { return common::joinPath(text(), name); }
    void write(const std::string& name, const std::string& content) const {
        common::writeWholeFile(file(name), content);
    }
    std::string read(const std::string& name) const { return common::readWholeFile(file(name)); }
    std::string subfolder(const std::string& name) const {
        std::filesystem::create_directories(common::toPath(file(name)));
        return file(name);
    }

  private:
    std::filesystem::path path_;
};
