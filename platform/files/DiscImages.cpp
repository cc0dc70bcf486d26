#include "platform/files/DiscImages.h"

#include "platform/files/DiscImage.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {
namespace {

bool statOrdinaryFile(const QString& path, struct stat& info) {
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

} // namespace

std::optional<QString> discImageFileAt(const QString& path) {
    struct stat info {};
    if (!statOrdinaryFile(path, info))
        return std::nullopt;
    return QFileInfo(path).absoluteFilePath();
}

std::shared_ptr<DiscImage> DiscImages::at(const QString& nativePath) {
    struct stat info {};
    if (!statOrdinaryFile(nativePath, info))
        return nullptr;
    const Identity identity{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
    std::lock_guard lock(mutex_);
    Known& known = images_[nativePath];
    if (!known.image || !(known.identity == identity))
        known = {identity, std::make_shared<DiscImage>(nativePath, identity.size)};
    return known.image;
}

} // namespace platform
