#pragma once

#include "platform/files/DriveTable.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace platform {

class DiscImage;
class DiscImages;

struct FolderListing {
    bool ok = false; // false: the folder could not be read (missing, unreadable, empty drive)
    QStringList names;
    QString error;
};

// A path text on a drive letter that stands for a disc image: the image and the names below its root.
struct ImagePath {
    std::shared_ptr<DiscImage> image;
    QStringList names;
};

// Turns the program's path texts ("E:\ads\63kxpe00.jpg", "/home/u/.local/share/VantorAds\ads\") into
// native paths. A leading drive letter stands for the folder the drive table gives it; backslashes
// separate components; a component that does not exist with its exact spelling is looked up without
// regard to letter case, because a CD mounted on Linux often shows its names in upper case. A native
// folder at the start of a text ("/home/u/.local/share/VantorAds\ads\") is used exactly as spelled: only
// what follows its first backslash is looked up so. A letter may
// also stand for a disc image file, whose paths have no native path but lead into the image.
// Copies are cheap and may be handed to another thread; they share the images they have opened.
class PathResolver {
public:
    PathResolver();
    explicit PathResolver(DriveTable drives);

    const DriveTable& drives() const { return drives_; }
    void setDrives(DriveTable drives) { drives_ = std::move(drives); }

    // The native path, or nothing when the text starts with a drive letter that stands for no folder (for
    // nothing, or for a disc image).
    // Components that exist nowhere keep their spelling, so the result can name a file still to be made.
    std::optional<QString> resolve(const QString& pathText) const;
    // The ordinary files (no folders, no hidden files) whose names match the wildcard last component of the
    // text, sorted; on a disc image as in a folder.
    FolderListing list(const QString& patternPathText) const;
    // The image and the names within it, when the text starts with a drive letter that stands for a disc
    // image; nothing otherwise.
    std::optional<ImagePath> onImage(const QString& pathText) const;

    // True when the text starts with a drive letter and a colon.
    static bool hasDriveLetter(const QString& pathText);

private:
    DriveTable drives_;
    std::shared_ptr<DiscImages> images_;
};

} // namespace platform
