#include "support/StartUpFixture.h"

#include "ui/CommonDialog.h"
#include "ui/Form1.h"
#include "ui/FrmAbout.h"
#include "ui/HelpWindow.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QApplication>
#include <QTextBrowser>

#include <QWindow>
#include <functional>
#include <vector>

using Call = platform::RecordingTaskBar::Call;

// About, the help and the links to the maker's web pages, through the real main window.
class AboutHelpLinksTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aboutKeepsTheMainWindowWaitingUntilClosed();
    void helpOpensAtItsContentsBesideTheMainWindow();
    void webLinksShowTheTaskBarButKeepTheCommand();

private:
    ui::FrmAbout* about() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ui::FrmAbout*>(window); found && found->isVisible())
                return found;
        return nullptr;
    }

    std::unique_ptr<StartUpFixture> f;
    ui::Form1* window = nullptr;
};

void AboutHelpLinksTest::init() {
    f = std::make_unique<StartUpFixture>();
    f->writeAd("cd/ads/53kxpe00.jpg");
    f->setDrive('D', "cd");
    window = &f->startPastSplash().mainWindow();
}

void AboutHelpLinksTest::aboutKeepsTheMainWindowWaitingUntilClosed() {
    const std::vector<std::function<void(ui::FrmAbout&)>> closings = {
        [](ui::FrmAbout& about) { about.SSCommand1->click(); },
        [](ui::FrmAbout& about) { QTest::keyClick(&about, Qt::Key_Escape); },
        [](ui::FrmAbout& about) { QTest::keyClick(&about, Qt::Key_F4, Qt::AltModifier); },
        // What the window manager's close button or its Alt+F4 sends.
        [](ui::FrmAbout& about) { about.windowHandle()->close(); },
    };
    for (const auto& close : closings) {
        window->mnuAbout->trigger();
        QPointer<ui::FrmAbout> shown = about();
        QVERIFY(shown);
        QCOMPARE(shown->size(), QSize(625, 465));
        const QRect main = window->frameGeometry();
        QCOMPARE(shown->pos(), QPoint((main.width() - 625) / 2, (main.height() - 465) / 2));
        QVERIFY(!window->isEnabled());
        QVERIFY(shown->isEnabled());
        QCOMPARE(shown->panKestrel->caption().split(QStringLiteral("\r\n")).size(), 3);
        QVERIFY(shown->panKestrel->caption().startsWith(QStringLiteral("Kestrel Software\r\n")));
        // Owned by the main window and modal to it: the window manager keeps it above the main window, and
        // hands it the focus and refuses close requests to the main window while it is open.
        QVERIFY(shown->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(shown->windowType(), Qt::Dialog); // a plain window gets no owner from the window system
        QCOMPARE(shown->windowHandle()->transientParent(), window->windowHandle());
        QCOMPARE(shown->windowModality(), Qt::WindowModal);

        // The web site's button opens the home page and leaves the window where it is.
        shown->SSCommand2->click();
        QCOMPARE(f->fake().shell.webAddresses().back(), shown->SSCommand2->caption());
        QVERIFY(shown->isVisible());

        close(*shown);
        QTRY_VERIFY(!shown);
        QVERIFY(window->isEnabled());
        QVERIFY(window->isVisible());
        QVERIFY(!f->fake().programExit.ended());
    }
}

void AboutHelpLinksTest::helpOpensAtItsContentsBesideTheMainWindow() {
    window->mnuContents->trigger();
    ui::HelpWindow* help = window->dlgCommon1->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(window->dlgCommon1->helpCommand(), 3);
    QCOMPARE(help->browser()->source().fragment(), QStringLiteral("contents"));
    const QString text = help->browser()->toPlainText().simplified();
    QVERIFY(text.contains(QStringLiteral("Stepping through a year's ads")));
    // The error numbers as the program reports them.
    QVERIFY(text.contains(
        QStringLiteral("VA002 when the disc is not found at start, when an ad cannot be shown")));
    QVERIFY(text.contains(QStringLiteral("VA001 when the list of the disc's ads cannot be read or when the "
                                         "checklist or the notice cannot be opened")));
    // It blocks nothing: the main window takes input as before.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window->isEnabled());
    window->mnuContents->trigger();
    QCOMPARE(window->dlgCommon1->helpWindow(), help);
}

void AboutHelpLinksTest::webLinksShowTheTaskBarButKeepTheCommand() {
    auto& bar = f->fake().taskBar;
    bar.setTrayHandle(7);
    window->mnuHideStatus->trigger();
    QCOMPARE(window->mnuHideStatus->text(), QStringLiteral("ShowStatusBar"));

    window->mnuKestrelSoftware->trigger();
    QCOMPARE(bar.calls().back(), (Call{7, 1}));
    QCOMPARE(window->mnuHideStatus->text(), QStringLiteral("ShowStatusBar"));
    window->mnuRegisterOL->trigger();
    QCOMPARE(f->fake().shell.webAddresses(),
             (QStringList{"www.kestrelsoft.example", "www.kestrelsoft.example/register"}));
    QVERIFY(f->fake().messageBoxes.shown().empty());

    // Choosing the command then shows nothing new to the user and sets its caption back.
    window->mnuHideStatus->trigger();
    QCOMPARE(window->mnuHideStatus->text(), QStringLiteral("HideStatusBar"));
}

QTEST_MAIN(AboutHelpLinksTest)
#include "AboutHelpLinksTest.moc"
