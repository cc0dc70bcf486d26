#include "view/AdPicture.h"

#include "platform/PathResolver.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace view {

namespace {

AdPicture failure(const QString& error) {
    return {QImage(), error};
}

} // namespace

bool endsWithEndOfImage(const QByteArray& data) {
    qsizetype end = data.size();
    // CD mastering tools pad files to whole sectors; what follows the marker is not picture data.
    while (end > 0 && (data[end - 1] == '\0' || data[end - 1] == '\xFF'))
        --end;
    return end >= 2 && data[end - 2] == '\xFF' && data[end - 1] == '\xD9';
}

AdPicture loadAdPicture(const QString& nativePath) {
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    // The file is read once: the end-of-image check and the decoder share the same bytes.
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    file.close();
    if (!endsWithEndOfImage(data))
        return failure(QStringLiteral("The picture data ends before the end of the picture."));

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAllocationLimit(int(AdPictureByteLimit / (1024 * 1024)));
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.isEmpty())
        return failure(reader.errorString());
    if (qint64(declared.width()) * declared.height() * 4 > AdPictureByteLimit)
        return failure(QStringLiteral("The picture is too large (%1 x %2).")
                           .arg(declared.width())
                           .arg(declared.height()));

    QImage picture;
    if (!reader.read(&picture))
        return failure(reader.errorString());
    if (picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);
    if (picture.isNull())
        return failure(QStringLiteral("Not enough memory for the picture."));
    return {std::move(picture), QString()};
}

AdPicture loadAdPictureText(const platform::PathResolver& paths, const QString& pathText) {
    const auto native = paths.resolve(pathText);
    if (!native)
        return failure(QStringLiteral("The drive of %1 holds nothing.").arg(pathText));
    return loadAdPicture(*native);
}

} // namespace view
