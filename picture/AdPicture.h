#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>

namespace picture {

// The largest scan the viewer accepts: a 10,000 x 14,000 page at 4 bytes a pixel fits with room to spare,
// a file that declares a picture of several gigabytes is refused before anything is allocated for it.
inline constexpr qint64 AdPictureByteLimit = 600LL * 1024 * 1024;

// The largest ad file that is read at all: no scan comes near it, and a file named like an ad that is
// larger (a disc image, a video) is refused without reading it.
inline constexpr qint64 AdFileByteLimit = 256LL * 1024 * 1024;

// A decoded ad, or why there is none. The picture is Format_RGB32, or Format_Grayscale8 for a grey scan,
// as the decoder wrote it, so that the views can share it without converting it again.
struct AdPicture {
    QImage picture;
    QSize fullSize; // the picture's size at full resolution (== picture.size() unless reduced)
    QString error;  // empty when the picture was read

    bool ok() const { return error.isEmpty(); }
    bool reduced() const {
        return picture.width() < fullSize.width() || picture.height() < fullSize.height();
    }
};

// Decodes JPEG bytes. With a valid atLeast size smaller than the picture, decodes at the smallest
// libjpeg-turbo scale of 1/2, 1/4 or 1/8 whose result is still at least atLeast in both dimensions
// (none of them: full size). Data that ends before the picture does is refused, although the decoder would
// fill the missing rows with grey: the viewer must not present a damaged scan as the ad. Whatever follows
// the end-of-image marker is not looked at. Each call has a decoder of its own and nothing is shared, so
// these functions may run on several threads at once. Given a stop, the decode gives up within a few rows
// of it turning true: a decode no longer wanted frees the processor at once.
AdPicture decodeAdPicture(QByteArrayView jpeg, QSize atLeast = QSize(),
                          const std::atomic<bool>* stop = nullptr);

// Whether decodeAdPicture would give a reduced picture of these bytes for atLeast, from their header alone;
// false when the header cannot be read.
bool decodesReduced(QByteArrayView jpeg, QSize atLeast);

} // namespace picture
