#include "ui/MainMenus.h"

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

void MainMenus::buildMenus(QMenuBar* bar) {
    auto* fileMenu = new QMenu(QStringLiteral("File"), bar);
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    auto* helpMenu = new QMenu(QStringLiteral("Help"), bar);
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    for (const Command& command : commands()) {
        QMenu* menu = command.place == Place::File   ? fileMenu
                      : command.place == Place::Help ? helpMenu
                                                     : nullptr;
        // A menu takes its place on the bar with its first command.
        if (menu && menu->isEmpty())
            bar->addMenu(menu);
        if (!command.member) {
            menu->addSeparator();
            continue;
        }
        QAction* action = new QAction(QString::fromLatin1(command.caption), bar);
        action->setObjectName(QString::fromLatin1(command.name));
        this->*command.member = action;
        if (menu)
            menu->addAction(action);
        else
            bar->addAction(action);
    }

    // A menu of the bar that the bar never shows: through the bar, screen readers reach the pop-up and its
    // items as they reach the File menu's, and know where it belongs when it opens.
    mnuCopyPrint = bar->addMenu(QStringLiteral("Vantor Advertisements"));
    mnuCopyPrint->setObjectName(QStringLiteral("mnuCopyPrint"));
    mnuCopyPrint->menuAction()->setVisible(false);
    const char* items[] = {nullptr, "Print this Ad?", "Copy this Ad to the Windows Clipboard?"};
    for (int i = 1; i <= 2; ++i) {
        QAction* item = mnuCopyPrint->addAction(QString::fromLatin1(items[i]));
        item->setObjectName(QStringLiteral("mnuPrintCopy_%1").arg(i));
        mnuPrintCopy[std::size_t(i)] = item;
    }
}

} // namespace ui
