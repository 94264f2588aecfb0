#include "tools/sample_data/gif_file.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

#include "common/text/error.h"

namespace sample {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    return count;
}

[[noreturn]] void refuse(int error) {
    const char* reason = GifErrorString(error);
    throw common::Error(common::ErrorCode::InvalidPicture,
                        std::string("GIF encoder: ") + (reason ? reason : "unknown error"));
}

struct CloseGif {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct FreeMap {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::string gifBytes(const QImage& image) {
    const QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();
    // A GIF colour map holds a power of two of colours, 2 at least.
    int size = 2;
    while (size < table.size()) {
        size *= 2;
    }
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i) {
        colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                                static_cast<GifByteType>(qGreen(table[i])),
                                                static_cast<GifByteType>(qBlue(table[i]))};
    }
    std::unique_ptr<ColorMapObject, FreeMap> map(GifMakeMapObject(size, colours.data()));

    std::string bytes;
    int error = 0;
    std::unique_ptr<GifFileType, CloseGif> gif(EGifOpen(&bytes, appendBytes, &error));
    if (!gif || !map) {
        refuse(error);
    }
    const int width = indexed.width();
    const int height = indexed.height();
    if (EGifPutScreenDesc(gif.get(), width, height, map->BitsPerPixel, 0, map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) {
        refuse(gif->Error);
    }
    for (int y = 0; y < height; ++y) {
        // giflib takes the line as writable bytes but only reads them.
        std::vector<GifPixelType> line(indexed.constScanLine(y), indexed.constScanLine(y) + width);
        if (EGifPutLine(gif.get(), line.data(), width) == GIF_ERROR) {
            refuse(gif->Error);
        }
    }
    GifFileType* done = gif.release();
    if (EGifCloseFile(done, &error) == GIF_ERROR) {
        refuse(error);
    }
    return bytes;
}

}  // namespace sample
