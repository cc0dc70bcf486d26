#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <cstdint>
#include <string_view>

namespace rtf {

// What a \pict group said about its picture, gathered while it is read.
struct PictureData {
    enum class Kind { Unknown, Png, Jpeg, Metafile };
    Kind kind = Kind::Unknown;
    int width = 0;      // \picw: pixels for bitmaps, hundredths of a millimetre for metafiles
    int height = 0;     // \pich
    int goalWidth = 0;  // \picwgoal, twips
    int goalHeight = 0; // \pichgoal, twips
    int scaleX = 100;   // per cent
    int scaleY = 100;
    QByteArray bytes;

    void addHex(std::string_view text);
    void addBinary(std::string_view data);

private:
    int pendingNibble_ = -1;
};

struct Picture {
    QImage image; // null when the data could not be decoded: the caller shows an empty frame instead
    QSizeF size;  // display size in pixels; empty when nothing sensible can be shown
};

// Decodes the picture when its pixels fit into budget (bytes), and takes them from it.
Picture decodePicture(const PictureData& data, std::int64_t& budget);

} // namespace rtf
