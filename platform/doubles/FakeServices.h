#pragma once

#include "platform/Services.h"
#include "platform/doubles/FixedAppFolders.h"
#include "platform/doubles/FixedClock.h"
#include "platform/doubles/FixedScreen.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/RecordingBusyCursor.h"
#include "platform/doubles/RecordingClipboard.h"
#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingProgramExit.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/RecordingTaskBar.h"
#include "platform/doubles/ScriptedFreeSpaceFiles.h"
#include "platform/doubles/ScriptedInstanceGuard.h"
#include "platform/doubles/ScriptedMessageBoxes.h"
#include "platform/doubles/ScriptedMounts.h"
#include "platform/files/DiskFileLister.h"

#include <QTemporaryDir>

namespace platform {

// All services as test doubles, except that paths, listings and files are the real ones working in a
// temporary folder of their own: root()/program is the program folder, root()/data/VantorAds the local
// copy folder (both made), and drive letters point wherever the test's drive table says. The letters hold
// for the whole run unless the test makes them follow the scripted mounts. Listings, and files opened for
// reading, on drive letters run under the given bound and through the given queries, so that a test can
// make a drive slow.
class FakeServices {
public:
    explicit FakeServices(DriveTable driveTable = {},
                          std::chrono::milliseconds listingBound = DiskFileLister::defaultBound,
                          DiskFileLister::FolderQuery listFolder = &PathResolver::list,
                          DiskFiles::OpenQuery openFile = &openRegularFile);
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    Services& services() { return services_; }
    QString root() const { return root_.path(); }

private:
    QTemporaryDir root_; // first, so that the folders exist before the members that name them

public:
    ScriptedMessageBoxes messageBoxes;
    ScriptedMounts mounts;
    DriveSource drives;
    PathResolver paths;
    DiskFileLister fileLister;
    FixedAppFolders folders;
    ScriptedFreeSpaceFiles files;
    MemorySettingsStore settings;
    FixedScreen screen;
    RecordingBusyCursor cursor;
    RecordingTaskBar taskBar;
    ScriptedInstanceGuard instanceGuard;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingShell shell;
    FixedClock clock;
    RecordingProgramExit programExit;
    SessionEnd sessionEnd; // a test emits endRequested() as the desktop would

private:
    Services services_;
};

} // namespace platform
