#include "documents/AboutWindow.h"

#include "documents/WebLinks.h"
#include "state/ProgramState.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace documents {

AboutWindow::AboutWindow(QWidget& mainWindow, WebLinks& links, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), links_(links) {}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    // The main window waits for About: when the window manager hands it the focus (a click on it), the
    // focus goes on to About, as it does to a dialog's, so that About's keys keep working.
    if (watched == &mainWindow_ && event->type() == QEvent::WindowActivate && frmAbout_)
        frmAbout_->activateWindow();
    return false;
}

void AboutWindow::show() {
    if (frmAbout_) {
        frmAbout_->raise();
        return;
    }
    // Loaded afresh each time. The main window owns it, so that the window manager keeps it above the
    // main window and gives it the focus when the main window is clicked, and it is modal to the main
    // window, so that no close request reaches the main window while it is disabled. The ownership is the
    // windows' own (transient parent), not the widgets': a child widget would be disabled with the main
    // window.
    frmAbout_ = new ui::FrmAbout();
    ui::FrmAbout& about = *frmAbout_;
    about.setAttribute(Qt::WA_DeleteOnClose);
    about.setWindowModality(Qt::WindowModal);
    about.winId();
    about.windowHandle()->setTransientParent(mainWindow_.windowHandle());
    mainWindow_.setEnabled(false);
    // Centred by the main window's size alone, not its place: over it when it fills the screen.
    const QRect main = mainWindow_.frameGeometry();
    about.move((main.width() - about.width()) / 2, (main.height() - about.height()) / 2);
    about.SSPanel2->setCaption(QStringLiteral("\u00A9 1998 Kestrel Software"));
    about.panKestrel->setCaption(QStringLiteral("Kestrel Software") + state::CrLf +
                                 QStringLiteral("P.O. Box 1953") + state::CrLf +
                                 QStringLiteral("Springvale, KS 67000"));
    about.SSCommand2->setCaption(HomePageAddress);
    connect(about.SSCommand1, &ui::SSCommand::clicked, &about, &ui::FrmAbout::close);
    connect(&about, &ui::FrmAbout::closeKeyPressed, &about, &ui::FrmAbout::close);
    // Every way out runs the closing steps; the window unloads itself as it closes.
    connect(&about, &ui::FrmAbout::closed, this, [this] { mainWindow_.setEnabled(true); });
    connect(about.SSCommand2, &ui::SSCommand::clicked, this, [this] { links_.open(HomePageAddress); });
    about.show();
    about.activateWindow();
}

} // namespace documents
