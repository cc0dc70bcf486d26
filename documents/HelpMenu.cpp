#include "documents/HelpMenu.h"

#include "documents/WebLinks.h"
#include "ui/CommonDialog.h"

namespace documents {

HelpMenu::HelpMenu(ui::CommonDialog& dialog, WebLinks& links, QObject* parent)
    : QObject(parent), dialog_(dialog), links_(links) {}

void HelpMenu::showContents() {
    dialog_.setHelpFile(QString::fromLatin1(HelpFile));
    dialog_.setHelpCommand(ui::CommonDialog::HelpContents);
    dialog_.ShowHelp();
}

void HelpMenu::openHomePage() {
    links_.open(HomePageAddress);
}

void HelpMenu::openRegistration() {
    links_.open(RegistrationAddress);
}

} // namespace documents
