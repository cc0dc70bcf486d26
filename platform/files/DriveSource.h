#pragma once

#include "platform/files/DriveTable.h"

#include <optional>

namespace platform {

class Mounts;

// Where the drive letters come from. When VANTORADS_DRIVES names them, they hold for the whole run;
// otherwise they follow the mounts, read afresh at every look, so that a disc put in while the program
// asks for it gets its letter.
class DriveSource {
public:
    // Letters that hold for the whole run: the table the paths were given stays.
    DriveSource() = default;
    // Letters that follow the mounts.
    explicit DriveSource(const Mounts& mounts) : mounts_(&mounts) {}

    // This machine's source: VANTORADS_DRIVES when it is set (even to nothing), the mounts otherwise.
    static DriveSource ofThisMachine(const Mounts& mounts);
    // This machine's table at start.
    static DriveTable startTable(const Mounts& mounts);

    // The letters as the mounts give them now; nothing when the letters hold for the whole run.
    std::optional<DriveTable> currentTable() const;

private:
    const Mounts* mounts_ = nullptr;
};

} // namespace platform
