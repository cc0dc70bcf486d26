#pragma once

#include "platform/files/DiskFileLister.h"
#include "platform/files/DiskFiles.h"
#include "platform/files/Mounts.h"
#include "platform/desktop/QtMessageBoxes.h"
#include "platform/Services.h"

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
