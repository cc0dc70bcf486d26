#include "documents/HelpMenu.h"

#include "documents/WebLinks.h"
#include "ui/CommonDialog.h"
#include "ui/Form1.h"

#include <QAction>

namespace documents {

HelpMenu::HelpMenu(ui::Form1& mainWindow, WebLinks& links, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow) {
    connect(mainWindow_.mnuContents, &QAction::triggered, this, &HelpMenu::showContents);
    connect(mainWindow_.mnuKestrelSoftware, &QAction::triggered, this,
            [&links] { links.open(HomePageAddress); });
    connect(mainWindow_.mnuRegisterOL, &QAction::triggered, this,
            [&links] { links.open(RegistrationAddress); });
}

void HelpMenu::showContents() {
    ui::CommonDialog& dialog = *mainWindow_.dlgCommon1;
    dialog.setHelpFile(QString::fromLatin1(HelpFile));
    dialog.setHelpCommand(ui::CommonDialog::HelpContents);
    dialog.ShowHelp();
}

} // namespace documents
