#include "docs/AboutWindow.h"

#include "docs/WebLinks.h"
#include "state/ProgramState.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>

namespace docs {

AboutWindow::AboutWindow(ui::Form1& mainWindow, WebLinks& links, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), links_(links) {
    connect(mainWindow_.mnuAbout, &QAction::triggered, this, &AboutWindow::show);
}

void AboutWindow::show() {
    if (frmAbout_) {
        frmAbout_->raise();
        return;
    }
    // Loaded afresh each time, with no owner: a window of its own that keeps the main window disabled.
    frmAbout_ = new ui::FrmAbout();
    ui::FrmAbout& about = *frmAbout_;
    about.setAttribute(Qt::WA_DeleteOnClose);
    mainWindow_.setEnabled(false);
    // Centred by the main window's size alone, not its place: over it when it fills the screen.
    const QRect main = mainWindow_.frameGeometry();
    about.move((main.width() - about.width()) / 2, (main.height() - about.height()) / 2);
    about.SSPanel2->setCaption(QStringLiteral("\u00A9 1998 Kestrel Software"));
    about.panKestrel->setCaption(QStringLiteral("Kestrel Software") + state::CrLf +
                                 QStringLiteral("P.O. Box 1953") + state::CrLf +
                                 QStringLiteral("Springvale, KS 67000"));
    about.SSCommand2->setCaption(HomePageAddress);
    connect(about.SSCommand1, &ui::SSCommand::clicked, this, &AboutWindow::close);
    connect(&about, &ui::FrmAbout::escapePressed, this, &AboutWindow::close);
    connect(about.SSCommand2, &ui::SSCommand::clicked, this, [this] { links_.open(HomePageAddress); });
    about.show();
    about.activateWindow();
}

void AboutWindow::close() {
    mainWindow_.setEnabled(true);
    frmAbout_->close();
}

} // namespace docs
