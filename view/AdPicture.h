#pragma once

#include <QImage>
#include <QString>

namespace platform {
class PathResolver;
}

namespace view {

// The largest scan the viewer accepts: a 10,000 x 14,000 page at 4 bytes a pixel fits with room to spare,
// a file that declares a picture of several gigabytes is refused before anything is allocated for it.
inline constexpr qint64 AdPictureByteLimit = 600LL * 1024 * 1024;

// A decoded ad, or why there is none. The picture is always Format_RGB32, so that the views can share
// it without converting it again.
struct AdPicture {
    QImage picture;
    QString error; // empty when the picture was read

    bool ok() const { return error.isEmpty(); }
};

// Decodes a JPEG file at a native path. A file cut short (no end-of-image marker at its end, ignoring
// trailing padding) is refused, although the decoder would fill the missing rows with grey and call it a
// success: the viewer must not present a damaged scan as the ad.
AdPicture loadAdPicture(const QString& nativePath);

// The same for one of the program's path texts ("E:\ads\63kxpe00.jpg").
AdPicture loadAdPictureText(const platform::PathResolver& paths, const QString& pathText);

// True when the JPEG data ends with its end-of-image marker; only 0x00 and 0xFF padding may follow it.
bool endsWithEndOfImage(const QByteArray& data);

} // namespace view
