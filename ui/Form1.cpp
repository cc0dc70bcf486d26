#include "ui/Form1.h"

#include "ui/Artwork.h"
#include "ui/CommonDialog.h"
#include "ui/SSCommand.h"
#include "ui/Units.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

namespace ui {

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantor Ads: The Marketing of Roadmark"));
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::applicationIcon(64))));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    // Controls keep their places whatever the window's size; the window only starts at the designed size.
    resize(rectFromTwips(0, 0, 12060, 8460).size());

    buildAdView(central);
    buildLeftPanel(central);
    buildStatusStrip(central, this);
    buildProgressPanel(central);
    buildMenus(menuBar());
    // The menu bar's own button for the menus that do not fit needs a name for screen readers too.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("More menus"));

    for (std::size_t i = 0; i < optParent.size(); ++i)
        connect(optParent[i], &QRadioButton::clicked, this, [this, i] { emit categoryClicked(int(i)); });
    for (std::size_t i = 0; i < cmdYear.size(); ++i) {
        connect(cmdYear[i], &SSCommand::clicked, this, [this, i] { emit yearClicked(int(i)); });
        connect(cmdYear[i], &SSCommand::keyDown, this, [this, i](int key) { emit yearKeyDown(int(i), key); });
    }
    for (int i = 1; i <= 2; ++i)
        connect(mnuPrintCopy[std::size_t(i)], &QAction::triggered, this,
                [this, i] { emit printCopyClicked(i); });

    dlgCommon1 = new CommonDialog(this);
    dlgCommon1->setObjectName(QStringLiteral("dlgCommon1"));
}

void Form1::closeEvent(QCloseEvent* event) {
    emit closing(windowState());
    event->accept();
}

} // namespace ui
