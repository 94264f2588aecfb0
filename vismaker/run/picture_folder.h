#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vismaker {

// The files of one folder as a run sees them: which pictures it holds, and the text of each face
// file. The folder is listed once when the object is made, so looking for a picture costs no
// opening of files that are not there.
//
// A picture exists when it is a regular file that opens for reading under its exact name: a
// folder, a named pipe or a device named like a picture does not, and nothing is ever waited on.
class PictureFolder {
  public:
    // folder in the programs' 8-bit text form.
    // faceCount, the number of faces expected, sizes the look-up table at once.
    explicit PictureFolder(std::string_view folder, std::size_t faceCount = 0);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    bool exists(std::string_view fileName) const;
    // The whole text of a file of the folder; raises common::Error as common::readWholeFile does.
    std::string read(std::string_view fileName) const;

  private:
    int openHeld(std::string_view fileName) const;
    bool readable(std::string_view fileName) const;
    void list();

    std::string folder_;
    // The folder, opened once, so each look-up resolves the name alone.
    int folderFd_ = -1;
    // The views "<stem>0.jpg" to "<stem>4.jpg" that are regular files (or links to one) by stem,
    // one bit a view, as the folder held them when listed.
    struct StemHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view stem) const {
            return std::hash<std::string_view>{}(stem);
        }
    };
    std::unordered_map<std::string, std::uint8_t, StemHash, std::equal_to<>> views_;
    bool listed_ = false;
    // Root reads every regular file; anyone else is asked about each picture found.
    bool readsEverything_ = false;
};

}  // namespace vismaker
