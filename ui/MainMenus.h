#pragma once

#include <array>
#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

// The main window's menu commands. A feature connects to the command it handles; the menu bar then shows
// the handled commands in the order of the table below.
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

    void buildMenuCommands(QWidget* owner);
    // Fills the menu bar with the commands something handles, so that no menu item does nothing;
    // separators never stand first, last or twice in a row.
    void populateMenuBar(QMenuBar* bar);

private:
    QMenu* fileMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
};

} // namespace ui
