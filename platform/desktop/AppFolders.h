#pragma once

#include <QString>

namespace platform {

class AppFolders {
public:
    virtual ~AppFolders() = default;
    // The folder that holds the executable.
    virtual QString programFolder() const = 0;
    // The executable's file name without folder and extension.
    virtual QString executableName() const = 0;
    // Stands for the program's own folder wherever the program copies ads to it, looks for that copy or
    // removes it: an installed program's folder is not writable, so this is the per-user data folder.
    virtual QString localCopyFolder() const = 0;
};

} // namespace platform
