#include "ui/Form1.h"

#include "ui/MenuCommand.h"

#include <QMenu>
#include <QMenuBar>

namespace ui {
namespace {

using MenuLayout = std::initializer_list<QAction*>; // nullptr stands for a separator

void fill(QMenu* menu, MenuLayout layout) {
    menu->clear();
    bool pendingSeparator = false;
    for (QAction* action : layout) {
        if (!action) {
            pendingSeparator = !menu->isEmpty();
            continue;
        }
        if (!static_cast<MenuCommand*>(action)->isHandled())
            continue;
        if (pendingSeparator)
            menu->addSeparator();
        pendingSeparator = false;
        menu->addAction(action);
    }
}

} // namespace

void Form1::buildMenuCommands() {
    auto command = [this](const char* caption, const char* name) {
        return new MenuCommand(QString::fromLatin1(caption), QString::fromLatin1(name), this);
    };
    mnuCopy = command("Copy CD-ROM Ads to Hard Drive", "mnuCopy");
    mnuRemove = command("Remove Ads from Hard Drive", "mnuRemove");
    mnuClip = command("Copy Ad to Clipboard", "mnuClip");
    mnuResolution = command("Check Screen Resolution Setting", "mnuResolution");
    mnuPrint = command("Print Ad", "mnuPrint");
    mnuSetup = command("Print Setup", "mnuSetup");
    mnuExit = command("Exit", "mnuExit");
    mnuList = command("Ads List", "mnuList");
    mnuHideStatus = command("HideStatusBar", "mnuHideStatus");
    mnuContents = command("Contents", "mnuContents");
    mnuNotice = command("Notice", "mnuNotice");
    mnuKestrelSoftware = command("Visit the Kestrel Software website ", "mnuKestrelSoftware");
    mnuRegisterOL = command("Register ON-Line", "mnuRegisterOL");
    mnuRegister = command("Register Form", "mnuRegister");
    mnuAbout = command("About", "mnuAbout");

    fileMenu_ = new QMenu(QStringLiteral("File"), this);
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    helpMenu_ = new QMenu(QStringLiteral("Help"), this);
    helpMenu_->setObjectName(QStringLiteral("mnuHelp"));

    mnuCopyPrint = new QMenu(QStringLiteral("Vantor Advertisements"), this);
    mnuCopyPrint->setObjectName(QStringLiteral("mnuCopyPrint"));
    const char* items[] = {nullptr, "Print this Ad?", "Copy this Ad to the Windows Clipboard?"};
    for (int i = 1; i <= 2; ++i) {
        QAction* item = mnuCopyPrint->addAction(QString::fromLatin1(items[i]));
        item->setObjectName(QStringLiteral("mnuPrintCopy_%1").arg(i));
        mnuPrintCopy[size_t(i)] = item;
        connect(item, &QAction::triggered, this, [this, i] { emit printCopyClicked(i); });
    }
}

void Form1::populateMenuBar() {
    fill(fileMenu_, {mnuCopy, mnuRemove, nullptr, mnuClip, nullptr, mnuResolution, nullptr, mnuPrint,
                     mnuSetup, nullptr, mnuExit});
    fill(helpMenu_, {mnuContents, nullptr, mnuNotice, nullptr, mnuKestrelSoftware, mnuRegisterOL, mnuRegister,
                     nullptr, mnuAbout});

    QMenuBar* bar = menuBar();
    bar->clear();
    auto handled = [](QAction* action) { return static_cast<MenuCommand*>(action)->isHandled(); };
    if (!fileMenu_->isEmpty())
        bar->addMenu(fileMenu_);
    if (handled(mnuList))
        bar->addAction(mnuList);
    if (handled(mnuHideStatus))
        bar->addAction(mnuHideStatus);
    if (!helpMenu_->isEmpty())
        bar->addMenu(helpMenu_);
}

} // namespace ui
