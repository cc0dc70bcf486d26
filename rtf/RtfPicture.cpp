#include "rtf/RtfPicture.h"

#include "rtf/RtfJpegCheck.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTokenizer.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdint>

namespace rtf {

namespace {

constexpr double MaxSidePixels = MaxTwips / TwipsPerPixel;
double scaled(int twips, int percent) {
    const int scale = percent > 0 ? std::min(percent, 1000) : 100;
    return std::clamp(twips / TwipsPerPixel * scale / 100.0, 0.0, MaxSidePixels);
}

QImage decodeBitmap(const QByteArray& bytes, const char* format, std::int64_t& budget) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {};
    const std::int64_t needed = std::int64_t{size.width()} * size.height() * 4;
    if (needed > budget)
        return {};
    reader.setAllocationLimit(static_cast<int>(needed / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image))
        return {};
    budget -= image.sizeInBytes();
    return image;
}

} // namespace

void PictureData::addHex(std::string_view text) {
    for (const char c : text) {
        const int value = hexValue(c);
        if (value < 0)
            continue;
        if (pendingNibble_ < 0) {
            pendingNibble_ = value;
        } else {
            bytes.append(static_cast<char>(pendingNibble_ * 16 + value));
            pendingNibble_ = -1;
        }
    }
}

void PictureData::addBinary(std::string_view data) {
    bytes.append(data.data(), static_cast<qsizetype>(data.size()));
}

Picture decodePicture(const PictureData& data, std::int64_t& budget) {
    Picture picture;
    // The signature check keeps the decoders from even looking at data that cannot be theirs.
    if (data.kind == PictureData::Kind::Png && data.bytes.startsWith("\x89PNG\r\n\x1a\n"))
        picture.image = decodeBitmap(data.bytes, "png", budget);
    else if (data.kind == PictureData::Kind::Jpeg && jpegWorkIsBounded(data.bytes))
        picture.image = decodeBitmap(data.bytes, "jpeg", budget);

    double width = scaled(data.goalWidth, data.scaleX);
    double height = scaled(data.goalHeight, data.scaleY);
    if (width <= 0 || height <= 0) {
        if (!picture.image.isNull()) {
            width = scaled(static_cast<int>(picture.image.width() * TwipsPerPixel), data.scaleX);
            height = scaled(static_cast<int>(picture.image.height() * TwipsPerPixel), data.scaleY);
        } else if (data.kind == PictureData::Kind::Metafile) {
            // Metafile extents are in hundredths of a millimetre: 1440 twips to 2540 of them.
            width = scaled(static_cast<int>(std::clamp(data.width, 0, 100000) * 1440LL / 2540), data.scaleX);
            height =
                scaled(static_cast<int>(std::clamp(data.height, 0, 100000) * 1440LL / 2540), data.scaleY);
        } else {
            width = scaled(static_cast<int>(std::clamp(data.width, 0, 10000) * TwipsPerPixel), data.scaleX);
            height = scaled(static_cast<int>(std::clamp(data.height, 0, 10000) * TwipsPerPixel), data.scaleY);
        }
    }
    if (width >= 1 && height >= 1)
        picture.size = QSizeF(width, height);
    return picture;
}

} // namespace rtf
