#pragma once

#include "platform/DriveTable.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

struct FolderListing {
    bool ok = false; // false: the folder could not be read (missing, unreadable, empty drive)
    QStringList names;
    QString error;
};

// Turns the program's path texts ("E:\ads\63kxpe00.jpg", "/home/u/.local/share/VantorAds\ads\") into
// native paths. A leading drive letter stands for the folder the drive table gives it; backslashes
// separate components; a component that does not exist with its exact spelling is looked up without
// regard to letter case, because a CD mounted on Linux often shows its names in upper case.
// Copies are cheap and independent, so a copy may be handed to another thread.
class PathResolver {
public:
    PathResolver() = default;
    explicit PathResolver(DriveTable drives);

    const DriveTable& drives() const { return drives_; }
    void setDrives(DriveTable drives) { drives_ = std::move(drives); }

    // The native path, or nothing when the text starts with a drive letter that stands for no folder.
    // Components that exist nowhere keep their spelling, so the result can name a file still to be made.
    std::optional<QString> resolve(const QString& pathText) const;
    // The ordinary files (no folders, no hidden files) whose names match the wildcard last component of the
    // text, sorted.
    FolderListing list(const QString& patternPathText) const;

    // True when the text starts with a drive letter and a colon.
    static bool hasDriveLetter(const QString& pathText);

private:
    DriveTable drives_;
};

} // namespace platform
