#include "ui/MainMenus.h"

#include "ui/MenuCommand.h"

#include <QMenu>
#include <QMenuBar>

namespace ui {

std::span<const MainMenus::Command> MainMenus::commands() {
    using enum Place;
    static constexpr Command table[] = {
        {File, &MainMenus::mnuCopy, "mnuCopy", "Copy CD-ROM Ads to Hard Drive"},
        {File, &MainMenus::mnuRemove, "mnuRemove", "Remove Ads from Hard Drive"},
        {File, nullptr, nullptr, nullptr},
        {File, &MainMenus::mnuClip, "mnuClip", "Copy Ad to Clipboard"},
        {File, nullptr, nullptr, nullptr},
        {File, &MainMenus::mnuResolution, "mnuResolution", "Check Screen Resolution Setting"},
        {File, nullptr, nullptr, nullptr},
        {File, &MainMenus::mnuPrint, "mnuPrint", "Print Ad"},
        {File, &MainMenus::mnuSetup, "mnuSetup", "Print Setup"},
        {File, nullptr, nullptr, nullptr},
        {File, &MainMenus::mnuExit, "mnuExit", "Exit"},
        {Bar, &MainMenus::mnuList, "mnuList", "Ads List"},
        {Bar, &MainMenus::mnuHideStatus, "mnuHideStatus", "HideStatusBar"},
        {Help, &MainMenus::mnuContents, "mnuContents", "Contents"},
        {Help, nullptr, nullptr, nullptr},
        {Help, &MainMenus::mnuNotice, "mnuNotice", "Notice"},
        {Help, nullptr, nullptr, nullptr},
        {Help, &MainMenus::mnuKestrelSoftware, "mnuKestrelSoftware", "Visit the Kestrel Software website "},
        {Help, &MainMenus::mnuRegisterOL, "mnuRegisterOL", "Register ON-Line"},
        {Help, &MainMenus::mnuRegister, "mnuRegister", "Register Form"},
        {Help, nullptr, nullptr, nullptr},
        {Help, &MainMenus::mnuAbout, "mnuAbout", "About"},
    };
    return table;
}

void MainMenus::buildMenuCommands(QWidget* owner) {
    for (const Command& command : commands())
        if (command.member)
            this->*command.member = new MenuCommand(QString::fromLatin1(command.caption),
                                                    QString::fromLatin1(command.name), owner);

    fileMenu_ = new QMenu(QStringLiteral("File"), owner);
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    helpMenu_ = new QMenu(QStringLiteral("Help"), owner);
    helpMenu_->setObjectName(QStringLiteral("mnuHelp"));

    mnuCopyPrint = new QMenu(QStringLiteral("Vantor Advertisements"), owner);
    mnuCopyPrint->setObjectName(QStringLiteral("mnuCopyPrint"));
    const char* items[] = {nullptr, "Print this Ad?", "Copy this Ad to the Windows Clipboard?"};
    for (int i = 1; i <= 2; ++i) {
        QAction* item = mnuCopyPrint->addAction(QString::fromLatin1(items[i]));
        item->setObjectName(QStringLiteral("mnuPrintCopy_%1").arg(i));
        mnuPrintCopy[std::size_t(i)] = item;
    }
}

void MainMenus::populateMenuBar(QMenuBar* bar) {
    bar->clear();
    fileMenu_->clear();
    helpMenu_->clear();
    bool fileShown = false;
    bool helpShown = false;
    bool pendingSeparator = false;
    Place previous = Place::File;
    for (const Command& command : commands()) {
        if (command.place != previous)
            pendingSeparator = false;
        previous = command.place;
        QMenu* menu = command.place == Place::File   ? fileMenu_
                      : command.place == Place::Help ? helpMenu_
                                                     : nullptr;
        if (!command.member) {
            pendingSeparator = menu && !menu->isEmpty();
            continue;
        }
        QAction* action = this->*command.member;
        if (!static_cast<MenuCommand*>(action)->isHandled())
            continue;
        if (!menu) {
            bar->addAction(action);
            continue;
        }
        if (pendingSeparator)
            menu->addSeparator();
        pendingSeparator = false;
        menu->addAction(action);
        // A menu takes its place on the bar with its first command.
        bool& shown = menu == fileMenu_ ? fileShown : helpShown;
        if (!shown)
            bar->addMenu(menu);
        shown = true;
    }
}

} // namespace ui
