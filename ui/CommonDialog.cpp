#include "ui/CommonDialog.h"

#include "platform/desktop/Printer.h"
#include "ui/HelpWindow.h"

#include <QWidget>

namespace ui {

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

CommonDialog::~CommonDialog() = default;

bool CommonDialog::ShowPrinter(platform::Printer& printer) {
    return printer.setup(owner_);
}

// Every help command opens the help at its contents: the help has no index or search of its own.
void CommonDialog::ShowHelp() {
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    helpWindow_->showContents(helpFile_);
}

} // namespace ui
