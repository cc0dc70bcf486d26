#pragma once

#include "catalog/FileLister.h"
#include "platform/AppFolders.h"
#include "platform/BusyCursor.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/DriveSource.h"
#include "platform/Files.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBoxes.h"
#include "platform/PathResolver.h"
#include "platform/Printer.h"
#include "platform/ProgramExit.h"
#include "platform/Screen.h"
#include "platform/SessionEnd.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/TaskBar.h"

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
