#pragma once

#include "platform/files/FileHandle.h"
#include "platform/files/PathResolver.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace platform {

// One ordinary file of a disc image, as its folder records it.
struct DiscImageFile {
    QString name;      // as the image shows it
    qint64 offset = 0; // where its bytes begin in the image file
    qint64 size = 0;
    qint64 modifiedNs = 0; // the time the image records for it
};

// A catalog disc kept as an ISO 9660 image file, read with libiso9660 without mounting it: plain ISO 9660
// names, Joliet and Rock Ridge names. The image is opened at its first use and stays open; each folder is
// read once and kept. Names are matched without regard to letter case, as on a mounted disc, and plain ISO
// 9660 names lose their version (";1") and show in lower case, as Linux shows them on a mounted disc.
// Every extent is checked against the image's size: a file or folder that would lie past its end (a
// truncated image) is not there, and nothing past the end is ever read. Safe to use from several threads.
class DiscImage : public std::enable_shared_from_this<DiscImage> {
public:
    DiscImage(QString imagePath, qint64 imageBytes);
    ~DiscImage();
    DiscImage(const DiscImage&) = delete;
    DiscImage& operator=(const DiscImage&) = delete;

    // The ordinary files (no folders, no hidden files) of the folder whose names match the wildcard, sorted;
    // the folder is given by its names below the image's root.
    FolderListing list(const QStringList& folder, const QString& pattern) const;
    // The ordinary file at the names below the image's root, if the image holds one there.
    std::optional<DiscImageFile> file(const QStringList& path) const;
    // Up to maxBytes of the file from the offset on; fewer only at its end.
    ReadResult read(const DiscImageFile& file, qint64 from, qint64 maxBytes) const;
    // The file for block reads, each read from the image when it is asked for.
    OpenResult openRead(const DiscImageFile& file) const;

private:
    struct Opened;
    // The open image, or nothing when the file is no image that can be read.
    Opened* opened() const;

    const QString path_;
    const qint64 imageBytes_;
    // Held under the one lock of every call into libiso9660.
    mutable std::unique_ptr<Opened> opened_;
    mutable bool unreadable_ = false;
};

} // namespace platform
