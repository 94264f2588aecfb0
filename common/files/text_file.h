#pragma once

#include <string>
#include <string_view>

namespace common {

// An 8-bit text file opened for reading. The whole file is read on open (face, statistics and
// settings files are small); it fails as readWholeFile does.
class TextFileReader {
  public:
    explicit TextFileReader(std::string_view path);
    // Reads from text already in memory, as the scratch text boxes are read.
    static TextFileReader fromText(std::string text);

    // The next line without its line end. CR LF or a lone LF ends a line, so files edited on Linux
    // read like the ones written here; a lone CR is part of the line. Past the end: InputPastEnd.
    std::string lineInput();
    // The next item of a comma-separated line: leading blanks skipped; a quoted item up to its
    // closing quote, else up to the next comma or line end (trailing blanks dropped).
    std::string inputItem();
    // The next n characters as they stand.
    std::string input(std::size_t count);
    bool eof() const { return pos_ >= data_.size(); }

  private:
    TextFileReader() = default;
    bool atLineEnd() const;
    void skipLineEnd();

    std::string data_;
    std::size_t pos_ = 0;
};

// Reads a whole file as bytes. A missing file raises FileNotFound, one the user may not read
// PermissionDenied. Anything that is not a regular file (a folder, a named pipe, a device) is
// refused at once with PathFileAccess, naming the path and what it is: a read never blocks.
std::string readWholeFile(std::string_view path);
// Saves text as the whole new content of a file through the safe save (safe_save.h): a failed
// save leaves the old file whole and raises common::Error naming the file and the reason.
void writeWholeFile(std::string_view path, std::string_view text);
// Appends text to a regular file, creating it when missing.
void appendToFile(std::string_view path, std::string_view text);
// A text as one quoted item on its own line: quote, text, quote, CR LF.
std::string quotedItem(std::string_view text);
// True for a regular file (or a link to one); a folder, pipe or device is no file here.
bool fileExists(std::string_view path);

inline constexpr std::string_view kCrLf = "\r\n";

}  // namespace common
