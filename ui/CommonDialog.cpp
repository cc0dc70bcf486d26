#include "ui/CommonDialog.h"

#include "platform/Printer.h"
#include "platform/Shell.h"

#include <QWidget>

namespace ui {

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool CommonDialog::ShowPrinter(platform::Printer& printer) {
    return printer.setup(owner_);
}

bool CommonDialog::ShowHelp(platform::Shell& shell) {
    return shell.showHelp(helpFile_, helpCommand_);
}

} // namespace ui
