#pragma once

#include "platform/DiskFiles.h"

#include <QStringList>

namespace platform {

// The real file operations, with the free space given by the test.
class ScriptedFreeSpaceFiles : public DiskFiles {
public:
    using DiskFiles::DiskFiles;

    void setFreeSpace(const FreeSpace& space) { space_ = space; }
    FreeSpace freeSpace(const QString& folder) const override {
        queried_.append(folder);
        return space_;
    }
    const QStringList& freeSpaceQueries() const { return queried_; }

private:
    FreeSpace space_;
    mutable QStringList queried_;
};

} // namespace platform
