#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace qtui {

// Decoded pictures, by file and shown size, so a photo is decoded once however often it is
// painted. An entry is decoded again when its file changes (time or size); the least recently
// used entries go when the cache holds more than its byte budget.
class PictureCache {
  public:
    explicit PictureCache(std::size_t byteBudget = 128u * 1024u * 1024u)
        : byteBudget_(byteBudget) {}

    // The picture in the given size (an empty size: as stored); a null image when the file is
    // missing or not a picture.
    QImage image(std::string_view path, QSize size);
    std::size_t decodeCount() const { return decodes_; }

  private:
    struct Entry {
        std::filesystem::file_time_type modified;
        std::uintmax_t fileSize;
        QImage image;
        std::uint64_t lastUse;
    };
    using Key = std::pair<std::string, std::pair<int, int>>;

    void trim();

    std::size_t byteBudget_;
    std::map<Key, Entry> entries_;
    std::uint64_t clock_ = 0;
    std::size_t decodes_ = 0;
};

// Decodes a picture file, scaled to the size when it is not empty; null when it cannot be read.
QImage decodePicture(std::string_view path, QSize size);

}  // namespace qtui
