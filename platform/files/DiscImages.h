#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>

namespace platform {

class DiscImage;

// The absolute path of the ordinary file at the path, which a drive letter can stand for as a disc image;
// nothing when no ordinary file is there.
std::optional<QString> discImageFileAt(const QString& path);

// The disc images drive letters stand for, each opened once, however many copies of the path resolver and
// threads ask for it. A file put in an image's place (another size, time or file) is another image, so an
// image that was still being written when first asked for is read whole when asked again.
class DiscImages {
public:
    // The image at the native path when an ordinary file is there; nothing for a folder or nothing at all.
    std::shared_ptr<DiscImage> at(const QString& nativePath);

private:
    struct Identity {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        friend bool operator==(const Identity&, const Identity&) = default;
    };
    struct Known {
        Identity identity;
        std::shared_ptr<DiscImage> image;
    };

    std::mutex mutex_;
    QHash<QString, Known> images_;
};

} // namespace platform
