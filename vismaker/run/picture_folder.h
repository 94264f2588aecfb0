#pragma once

#include <string>
#include <string_view>

namespace vismaker {

// Tells which pictures a folder holds. A picture exists when it is a regular file that opens for
// reading under its exact name: a folder, a named pipe or a device named like a picture does not,
// and nothing is ever waited on.
class PictureFolder {
  public:
    // folder in the programs' 8-bit text form.
    explicit PictureFolder(std::string_view folder);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    bool exists(std::string_view fileName) const;

  private:
    std::string folder_;
    // The folder, opened once, so each look-up resolves the name alone.
    int folderFd_ = -1;
};

}  // namespace vismaker
