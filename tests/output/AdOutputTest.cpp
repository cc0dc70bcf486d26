#include "support/ViewerFixture.h"

#include "platform/desktop/QtMessageBoxes.h"
#include "ui/CommonDialog.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

namespace Reply = platform::Reply;

namespace {

// The first interface below the application, through children as a screen reader walks them, that has
// this role and a name or text starting with this text.
QAccessibleInterface* findAccessible(QAccessibleInterface* from, QAccessible::Role role, const QString& text,
                                     int depth = 0) {
    if (!from || depth > 40)
        return nullptr;
    if (from->role() == role &&
        (from->text(QAccessible::Name).startsWith(text) || from->text(QAccessible::Value).startsWith(text)))
        return from;
    for (int i = 0; i < from->childCount(); ++i)
        if (QAccessibleInterface* found = findAccessible(from->child(i), role, text, depth + 1))
            return found;
    return nullptr;
}

// Whether the way up from an interface through its parents ends at the application.
bool reachesTheApplication(QAccessibleInterface* from) {
    for (int depth = 0; from && depth < 40; from = from->parent(), ++depth)
        if (from->role() == QAccessible::Application)
            return true;
    return false;
}

} // namespace

// Printing and copying the ad through the real main window, onto a printer and a clipboard that record.
class AdOutputTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printCommandsAskFirst_data();
    void printCommandsAskFirst();
    void theWholeAdPrintsEvenZoomedAndScrolled();
    void copyCommandsPutTheWholeAdOnTheClipboard();
    void popUpOpensOnTheRightButtonAndTheMenuKey();
    void popUpAndItsQuestionReachScreenReaders();
    void failuresAreReportedAndChangeNothing();
    void printSetupKeepsWhatTheDialogDecides();

private:
    // An ad whose four quarters have colours of their own, so that a printed page tells which part it shows.
    void writeQuarteredAd(const QString& name, int width, int height) {
        QImage page(width, height, QImage::Format_RGB32);
        page.fill(Qt::red);
        QPainter p(&page);
        p.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::blue);
        p.fillRect(0, height / 2, width / 2, height - height / 2, Qt::green);
        p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::black);
        p.end();
        QDir().mkpath(f->fake().root() + QStringLiteral("/cd/ads"));
        QVERIFY(page.save(f->adPath(name), "JPEG", 95));
    }
    static bool near(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 60 && std::abs(a.green() - b.green()) < 60 &&
               std::abs(a.blue() - b.blue()) < 60;
    }
    void rightClick(QWidget* widget, Qt::MouseButton button = Qt::RightButton) {
        QTest::mouseRelease(widget, button, {}, widget->rect().center());
    }

    std::unique_ptr<ViewerFixture> f;
};

void AdOutputTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
    writeQuarteredAd(QStringLiteral("63kxpe00.jpg"), 1600, 1200);
    f->start();
}

void AdOutputTest::cleanup() {
    f->window().mnuCopyPrint->hide();
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void AdOutputTest::printCommandsAskFirst_data() {
    QTest::addColumn<bool>("fromPopUp");
    QTest::addColumn<QString>("questionTitle");
    QTest::newRow("Print Ad") << false << "Vantor Ads - The Marketing of Roadmark";
    QTest::newRow("Print this Ad?") << true << "Vantor Ads: The Marketing of Roadmark";
}

void AdOutputTest::printCommandsAskFirst() {
    QFETCH(bool, fromPopUp);
    QFETCH(QString, questionTitle);
    ui::Form1& w = f->window();
    auto& boxes = f->fake().messageBoxes;
    auto& printer = f->fake().printer;
    QAction* command = fromPopUp ? w.mnuPrintCopy[1] : w.mnuPrint;

    // Before any ad the window's opening picture is what there is to print.
    boxes.answer({Reply::Yes, Reply::Ok});
    command->trigger();
    QCOMPARE(printer.pages().size(), 1u);
    QVERIFY(near(printer.pages().back().pixelColor(0, 0), w.Image1->picture().pixelColor(0, 0)));

    f->clickYear(10);
    boxes.answer({Reply::No});
    command->trigger();
    QCOMPARE(boxes.last().text, QStringLiteral("Would you like to print this Vantor Advertisement?"));
    QCOMPARE(boxes.last().title, questionTitle);
    QCOMPARE(boxes.last().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Question);
    QCOMPARE(f->state().output.PrintReply, Reply::No);
    QCOMPARE(printer.starts(), 1);

    boxes.answer({Reply::Yes, Reply::Ok});
    command->trigger();
    QCOMPARE(printer.finishedJobs(), 2);
    QCOMPARE(boxes.last().text, QStringLiteral("Vantor Advertisement printed!"));
    QCOMPARE(boxes.last().title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);
}

void AdOutputTest::theWholeAdPrintsEvenZoomedAndScrolled() {
    ui::Form1& w = f->window();
    f->clickYear(10);
    f->click(w.cmdZoom);
    w.VScr->setValue(500);
    w.HScroll1->setValue(700);
    const auto printed = [&] {
        f->fake().messageBoxes.answer({Reply::Yes, Reply::Ok});
        w.mnuPrint->trigger();
        return f->fake().printer.pages().back();
    };
    // One page at 96 dots an inch, as the screen: the ad from its top-left corner, one pixel to one dot,
    // cut off where the printable area ends (768 x 1008 dots).
    const QImage page = printed();
    QCOMPARE(f->fake().printer.pages().size(), 1u);
    QVERIFY(near(page.pixelColor(2, 3), Qt::red));
    QVERIFY(near(page.pixelColor(767, 3), Qt::red));
    QVERIFY(near(page.pixelColor(2, 595), Qt::red));
    QVERIFY(near(page.pixelColor(2, 606), Qt::green));
    QVERIFY(near(page.pixelColor(767, 1007), Qt::green));
    // The resolution is that of the window's screen: at 120 dots an inch a pixel is 0.8 of a dot, so the
    // quarters meet at 640 and 480.
    f->fake().screen.setLogicalDpi(120);
    const QImage at120Dpi = printed();
    QVERIFY(near(at120Dpi.pixelColor(630, 3), Qt::red));
    QVERIFY(near(at120Dpi.pixelColor(650, 3), Qt::blue));
    QVERIFY(near(at120Dpi.pixelColor(2, 470), Qt::red));
    QVERIFY(near(at120Dpi.pixelColor(2, 490), Qt::green));
}

void AdOutputTest::copyCommandsPutTheWholeAdOnTheClipboard() {
    ui::Form1& w = f->window();
    f->clickYear(10);
    auto& clipboard = f->fake().clipboard;
    w.mnuClip->trigger();
    w.mnuPrintCopy[2]->trigger();
    QCOMPARE(clipboard.images().size(), 2u);
    for (const QImage& copied : clipboard.images()) {
        QCOMPARE(copied.size(), QSize(1600, 1200));
        QVERIFY(near(copied.pixelColor(1599, 1199), Qt::black));
    }
    QVERIFY(f->fake().messageBoxes.shown().empty());
}

void AdOutputTest::popUpOpensOnTheRightButtonAndTheMenuKey() {
    ui::Form1& w = f->window();
    QMenu* popUp = w.mnuCopyPrint;
    QCOMPARE(popUp->actions(), (QList<QAction*>{w.mnuPrintCopy[1], w.mnuPrintCopy[2]}));
    QCOMPARE(w.mnuPrintCopy[2]->text(), QStringLiteral("Copy this Ad to the Windows Clipboard?"));
    w.Image1->setEnabled(true);
    rightClick(w.Image1);
    QVERIFY(!popUp->isVisible()); // no ad yet

    f->clickYear(10);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        rightClick(w.Image1, button);
        QVERIFY(!popUp->isVisible());
    }
    rightClick(w.Image1);
    QVERIFY(popUp->isVisible());
    popUp->hide();

    w.Image1->setFocus();
    QTest::keyClick(w.Image1, Qt::Key_Menu);
    QVERIFY(popUp->isVisible());
    popUp->hide();

    f->click(w.cmdZoom);
    rightClick(w.picDest, Qt::MiddleButton);
    QVERIFY(!popUp->isVisible());
    rightClick(w.picDest);
    QVERIFY(popUp->isVisible());
    popUp->hide();
    w.picDest->setFocus();
    QTest::keyClick(w.picDest, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(popUp->isVisible());
}

void AdOutputTest::failuresAreReportedAndChangeNothing() {
    ui::Form1& w = f->window();
    f->clickYear(10);
    auto& boxes = f->fake().messageBoxes;
    f->fake().printer.failWith(QStringLiteral("No printer is installed."));
    boxes.answer({Reply::Yes, Reply::Ok});
    w.mnuPrint->trigger();
    QVERIFY(boxes.last().text.contains(QStringLiteral("No printer is installed.")));
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);
    QCOMPARE(boxes.last().title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    for (const auto& box : boxes.shown())
        QVERIFY(!box.text.contains(QStringLiteral("printed!")));

    f->fake().clipboard.setFails(true);
    boxes.answer({Reply::Ok});
    w.mnuClip->trigger();
    QVERIFY(boxes.last().text.contains(QStringLiteral("clipboard")));
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 1"));
    QVERIFY(f->idle());
}

void AdOutputTest::printSetupKeepsWhatTheDialogDecides() {
    ui::Form1& w = f->window();
    f->fake().printer.setSetupAccepted(false);
    w.mnuSetup->trigger();
    QCOMPARE(w.dlgCommon1->flags(), 0x40);
    QCOMPARE(f->fake().printer.setups(), 1);
    QVERIFY(f->fake().messageBoxes.shown().empty());
}

void AdOutputTest::popUpAndItsQuestionReachScreenReaders() {
    ui::Form1& w = f->window();
    f->clickYear(10);
    rightClick(w.Image1);
    QMenu* popUp = w.mnuCopyPrint;
    QVERIFY(popUp->isVisible());
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    for (const QAction* item : {w.mnuPrintCopy[1], w.mnuPrintCopy[2]}) {
        QAccessibleInterface* found = findAccessible(application, QAccessible::MenuItem, item->text());
        QVERIFY2(found, qPrintable(item->text()));
        QCOMPARE(found->parent()->object(), popUp);
        QVERIFY(reachesTheApplication(found));
    }

    // The print question that the pop-up's first item asks, as the box shows it.
    QWidget* owner = nullptr;
    connect(w.mnuPrintCopy[1], &QAction::triggered, this, [&owner] { owner = platform::messageBoxOwner(); });
    f->fake().messageBoxes.answer({platform::Reply::No});
    QTest::keyClick(popUp, Qt::Key_Down);
    QTest::keyClick(popUp, Qt::Key_Return);
    QCOMPARE(owner, &w);
    const std::unique_ptr<QMessageBox> question =
        platform::buildMessageBox(f->fake().messageBoxes.last(), owner);
    question->show();
    QAccessibleInterface* text =
        findAccessible(application, QAccessible::StaticText,
                       QStringLiteral("Would you like to print this Vantor Advertisement?"));
    QVERIFY(text);
    QVERIFY(reachesTheApplication(text));
    question->hide();
}

QTEST_MAIN(AdOutputTest)
#include "AdOutputTest.moc"
