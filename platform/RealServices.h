#pragma once

#include "platform/Services.h"
#include "platform/desktop/ApplicationBusyCursor.h"
#include "platform/desktop/DesktopShell.h"
#include "platform/desktop/DesktopTaskBar.h"
#include "platform/desktop/ImmediateProgramExit.h"
#include "platform/desktop/IniSettingsStore.h"
#include "platform/desktop/LockFileInstanceGuard.h"
#include "platform/desktop/QtMessageBoxes.h"
#include "platform/desktop/SystemAppFolders.h"
#include "platform/desktop/SystemClipboard.h"
#include "platform/desktop/SystemClock.h"
#include "platform/desktop/SystemPrinter.h"
#include "platform/desktop/SystemScreen.h"
#include "platform/desktop/UnixSignalSessionEnd.h"
#include "platform/files/DiskFileLister.h"
#include "platform/files/DiskFiles.h"
#include "platform/files/ProcSelfMounts.h"

#include <optional>

namespace platform {

// The real services. Needs a QApplication.
class RealServices {
public:
    struct Options {
        std::optional<QString> pdfOutputPath; // print to this file instead of the system printer
    };

    RealServices();
    explicit RealServices(Options options);
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    Services& services() { return services_; }

private:
    QtMessageBoxes messageBoxes_;
    ProcSelfMounts mounts_;
    DriveSource drives_;
    PathResolver paths_;
    DiskFileLister fileLister_;
    SystemAppFolders folders_;
    DiskFiles files_;
    IniSettingsStore settings_;
    SystemScreen screen_;
    ApplicationBusyCursor cursor_;
    DesktopTaskBar taskBar_;
    LockFileInstanceGuard instanceGuard_;
    SystemPrinter printer_;
    SystemClipboard clipboard_;
    DesktopShell shell_;
    SystemClock clock_;
    ImmediateProgramExit programExit_;
    UnixSignalSessionEnd sessionEnd_;
    Services services_;
};

} // namespace platform
