#pragma once

#include <array>
#include <span>

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

// The main window's menu bar and its commands, built from one table in menu order; the program wires each
// command to its handler.
struct MainMenus {
    QAction* mnuCopy = nullptr;
    QAction* mnuRemove = nullptr;
    QAction* mnuClip = nullptr;
    QAction* mnuResolution = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuSetup = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuList = nullptr;
    QAction* mnuHideStatus = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuNotice = nullptr;
    QAction* mnuKestrelSoftware = nullptr;
    QAction* mnuRegisterOL = nullptr;
    QAction* mnuRegister = nullptr;
    QAction* mnuAbout = nullptr;
    QMenu* mnuCopyPrint = nullptr;          // pop-up only, never on the menu bar
    std::array<QAction*, 3> mnuPrintCopy{}; // items 1 and 2; there is no item 0

    // Where a command stands: in a menu, or on the menu bar itself.
    enum class Place { File, Bar, Help };
    struct Command {
        Place place;
        QAction* MainMenus::*member; // nullptr: a separator
        const char* name;
        const char* caption;
    };
    static std::span<const Command> commands();

    void buildMenus(QMenuBar* bar);
};

} // namespace ui
