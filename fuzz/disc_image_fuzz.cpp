// libFuzzer entry point for the disc-image reader: any bytes as an image file are listed, looked up and
// read as far as they make sense, in bounded time and memory, without touching memory they do not own.

#include "platform/files/DiscImage.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.iso"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const auto image = std::make_shared<platform::DiscImage>(path, static_cast<qint64>(size));
    for (const QStringList& folder : {QStringList(), QStringList{QStringLiteral("ads")}}) {
        const platform::FolderListing listing = image->list(folder, QStringLiteral("*"));
        for (const QString& name : listing.names.mid(0, 4)) {
            if (const auto file = image->file(folder + QStringList{name}))
                (void)image->read(*file, 0, 4096);
        }
    }
    return 0;
}
