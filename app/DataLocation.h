#pragma once

#include "state/ProgramState.h"

namespace catalog {
class FileLister;
}
namespace platform {
class AppFolders;
class DriveSource;
class PathResolver;
} // namespace platform
namespace state {
class DriveErrorReporter;
}

namespace app {

// The letters tried for the catalog disc, in order.
inline const QString DriveLetters = QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZ");

// True only for the one switch that reads everything from the program folder: exactly "HWI".
bool isProgramFolderSwitch(const QStringList& arguments);

// Finds the ads and the documents at start. Each scan of the drives takes the drive letters afresh from
// the drive source, so that a disc put in before a Retry is found; a disc image named on the command line
// is D: ahead of them. The local copy supplies the ads only when it was completed and still holds every ad
// the disc lists. Returns false when the user gave up
// (the program has been told to end), true when both roots are set.
bool LocateAdData(const QStringList& arguments, state::DataLocation& location,
                  const catalog::FileLister& lister, const platform::AppFolders& folders,
                  const platform::DriveSource& drives, platform::PathResolver& paths,
                  state::DriveErrorReporter& reporter);

} // namespace app
