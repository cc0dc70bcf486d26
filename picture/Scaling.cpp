#include "picture/Scaling.h"

#include <thread>

namespace picture {

namespace {

// The average of two opaque pixels, all channels at once.
inline quint32 average(quint32 a, quint32 b) {
    return ((a ^ b) & 0xfefefefeu) / 2 + (a & b);
}

// Each pixel of the result is the average of a 2 x 2 block: a box filter that no detail of a halftone
// scan can alias through.
void halveColourRows(const QImage& picture, QImage& half, int firstRow, int endRow) {
    const uchar* source = picture.constBits();
    const qsizetype sourceLine = picture.bytesPerLine();
    uchar* target = half.bits();
    const qsizetype targetLine = half.bytesPerLine();
    const int width = half.width();
    for (int y = firstRow; y < endRow; ++y) {
        const auto* upper = reinterpret_cast<const quint32*>(source + 2 * y * sourceLine);
        const auto* lower = reinterpret_cast<const quint32*>(source + (2 * y + 1) * sourceLine);
        auto* out = reinterpret_cast<quint32*>(target + y * targetLine);
        for (int x = 0; x < width; ++x)
            out[x] =
                average(average(upper[2 * x], upper[2 * x + 1]), average(lower[2 * x], lower[2 * x + 1]));
    }
}

// The same box filter for a grey scan, one byte a pixel.
void halveGreyRows(const QImage& picture, QImage& half, int firstRow, int endRow) {
    const uchar* source = picture.constBits();
    const qsizetype sourceLine = picture.bytesPerLine();
    uchar* target = half.bits();
    const qsizetype targetLine = half.bytesPerLine();
    const int width = half.width();
    for (int y = firstRow; y < endRow; ++y) {
        const uchar* upper = source + 2 * y * sourceLine;
        const uchar* lower = upper + sourceLine;
        uchar* out = target + y * targetLine;
        for (int x = 0; x < width; ++x)
            out[x] = uchar((upper[2 * x] + upper[2 * x + 1] + lower[2 * x] + lower[2 * x + 1] + 2) / 4);
    }
}

QImage halve(const QImage& picture) {
    const auto halveRows = picture.format() == QImage::Format_Grayscale8 ? halveGreyRows : halveColourRows;
    QImage half(picture.width() / 2, picture.height() / 2, picture.format());
    half.bits(); // detach here, not concurrently in both halves
    const int height = half.height();
    // A large scan is shared between two threads: the user is waiting for it on the screen.
    if (qint64(half.width()) * height < 512 * 1024) {
        halveRows(picture, half, 0, height);
        return half;
    }
    std::thread lowerHalf([&] { halveRows(picture, half, height / 2, height); });
    halveRows(picture, half, 0, height / 2);
    lowerHalf.join();
    return half;
}

} // namespace

QImage stretch(const QImage& picture, QSize size) {
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_Grayscale8)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // An empty size still stops the halving, at a picture of one pixel.
    const QSize least = size.expandedTo({1, 1});
    QImage reduced = picture;
    while (reduced.width() / 2 >= least.width() && reduced.height() / 2 >= least.height())
        reduced = halve(reduced);
    return reduced.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace picture
