#include "common/qt/picture_cache.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <system_error>

#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace qtui {

// The bytes come through the suite's file reader, so a pipe or device named like a photo is
// refused at once instead of blocking the painting; Qt decodes from memory.
QImage decodePicture(std::string_view path, QSize size) {
    QByteArray bytes;
    try {
        bytes = QByteArray::fromStdString(common::readWholeFile(path));
    } catch (const common::Error&) {
        return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!size.isEmpty()) {
        reader.setScaledSize(size);
        reader.setQuality(100);
    }
    QImage image = reader.read();
    if (!image.isNull() && !size.isEmpty() && image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

QImage PictureCache::image(std::string_view path, QSize size) {
    const std::filesystem::path file = common::toPath(path);
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(file, error);
    const std::uintmax_t fileSize = error ? 0 : std::filesystem::file_size(file, error);
    const Key key{std::string(path), {size.width(), size.height()}};
    if (error) {
        entries_.erase(key);
        return {};
    }
    auto found = entries_.find(key);
    if (found == entries_.end() || found->second.modified != modified ||
        found->second.fileSize != fileSize) {
        ++decodes_;
        found =
            entries_.insert_or_assign(key, Entry{modified, fileSize, decodePicture(path, size), 0})
                .first;
    }
    found->second.lastUse = ++clock_;
    const QImage image = found->second.image;
    trim();
    return image;
}

void PictureCache::trim() {
    const auto bytes = [this] {
        std::size_t total = 0;
        for (const auto& [key, entry] : entries_) {
            total += static_cast<std::size_t>(entry.image.sizeInBytes());
        }
        return total;
    };
    // The entry just used stays, however large, so it is not decoded again at once.
    while (entries_.size() > 1 && bytes() > byteBudget_) {
        const auto oldest = std::min_element(
            entries_.begin(), entries_.end(),
            [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
        entries_.erase(oldest);
    }
}

}  // namespace qtui
