#pragma once

#include "catalog/FileLister.h"
#include "platform/desktop/AppFolders.h"
#include "platform/desktop/BusyCursor.h"
#include "platform/desktop/Clipboard.h"
#include "platform/desktop/Clock.h"
#include "platform/desktop/InstanceGuard.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/Printer.h"
#include "platform/desktop/ProgramExit.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/TaskBar.h"
#include "platform/files/DriveSource.h"
#include "platform/files/Files.h"
#include "platform/files/PathResolver.h"

namespace platform {

// Everything the program asks of the operating system, built once by the composition root and handed down.
struct Services {
    MessageBoxes& messageBoxes;
    DriveSource& drives;
    PathResolver& paths;
    catalog::FileLister& fileLister;
    AppFolders& folders;
    Files& files;
    SettingsStore& settings;
    Screen& screen;
    BusyCursor& cursor;
    TaskBar& taskBar;
    InstanceGuard& instanceGuard;
    Printer& printer;
    Clipboard& clipboard;
    Shell& shell;
    Clock& clock;
    ProgramExit& programExit;
    SessionEnd& sessionEnd;
};

} // namespace platform
