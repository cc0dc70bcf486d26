#include "support/ViewerFixture.h"

#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QLineEdit>
#include <QToolButton>

// The three views of the ad, the buttons between them and scrolling the zoomed ad, on the real window.
class ViewLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void normalView();
    void zoomedView();
    void wideView();
    void toggleSequence();
    void wideThenToggleShowsStatusPanels();
    void steppingControlsStayInFrontAfterTheWideView();
    void focusNeverMovesToHiddenYearButtons();
    void zoomOutMovesFocusAndReenablesYears();
    void scrollingReachesTheLowerRightCorner();
    void scrollingBackLeavesTheBoxAtZero();
    void narrowAdGivesNegativeMaximum();
    void doubleClickChangesNothing();
    void exitClosesTheWindow();

private:
    void showYear();

    std::unique_ptr<ViewerFixture> f;
};

void ViewLayoutTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 1600, 1200, Qt::darkCyan);
    f->writeSolidAd(QStringLiteral("63kxpe01.jpg"), 1600, 1200, Qt::darkYellow);
}

void ViewLayoutTest::cleanup() {
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void ViewLayoutTest::showYear() {
    f->start();
    f->clickCategory(0);
    f->clickYear(10);
}

void ViewLayoutTest::normalView() {
    showYear();
    f->click(f->window().cmdZoom);
    f->click(f->window().cmdZoomOut);
    ui::Form1& w = f->window();
    QCOMPARE(w.Image1->geometry(), QRect(328, 0, 451, 555));
    QVERIFY(w.Image1->isVisible());
    QCOMPARE(w.cmdZoom->geometry(), QRect(200, 439, 73, 25)); // just above "Exit" at 464
    QVERIFY(w.SSPanel2->isVisible() && w.StatusDay->isVisible() && w.StatusDate->isVisible());
    QVERIFY(w.StatusTime->isVisible() && w.panText3->isVisible());
    QVERIFY(!w.picDest->isVisible() && !w.VScr->isVisible() && !w.HScroll1->isVisible());
    QVERIFY(!w.panParent->isVisible() && !w.cmdZoomOut->isVisible() && !w.SSCommand5->isVisible());
    QVERIFY(w.cmdZoom->isEnabled() && w.SSCommand2->isEnabled() && w.SSCommand4->isEnabled());
    QVERIFY(w.SpinButton1->isVisible() && w.Text1->isVisible());
}

void ViewLayoutTest::zoomedView() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.cmdZoom);
    QCOMPARE(w.picDest->geometry(), QRect(8, 0, 775, 498));
    QCOMPARE(w.VScr->geometry(), QRect(776, 0, 18, 498));
    QCOMPARE(w.HScroll1->geometry(), QRect(314, 504, 481, 18));
    QCOMPARE(w.panParent->geometry(), QRect(456, 528, 169, 23)); // 2 right of the counter at 389 + 65
    QCOMPARE(w.cmdZoomOut->geometry(), QRect(704, 528, 89, 25));
    QCOMPARE(w.SSCommand5->geometry(), QRect(632, 528, 73, 25));
    QVERIFY(w.picDest->isVisible() && w.VScr->isVisible() && w.HScroll1->isVisible());
    QVERIFY(w.panParent->isVisible() && w.cmdZoomOut->isVisible() && w.SSCommand5->isVisible());
    QVERIFY(!w.Image1->isVisible() && !w.panText3->isVisible());
    QVERIFY(!w.cmdZoom->isEnabled());
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Wide"));
    QCOMPARE(f->state().view.ZoomState, QStringLiteral("1"));
    QCOMPARE(w.HScroll1->maximumValue(), 805);
    // The box lies in front of the left panel, the vertical bar in front of the box.
    QCOMPARE(w.childAt(100, 100), w.picDest);
    QCOMPARE(w.childAt(780, 100)->objectName(), QStringLiteral("VScr"));
}

void ViewLayoutTest::wideView() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.SSCommand4);
    QCOMPARE(w.Image1->geometry(), QRect(6, 0, 793, 508));
    QCOMPARE(w.panParent->geometry(), QRect(456, 528, 169, 23));
    QCOMPARE(w.cmdZoom->pos(), QPoint(200, 528)); // below the panel's lower edge at 497
    QVERIFY(w.Image1->isVisible() && w.panParent->isVisible() && w.cmdZoomOut->isVisible());
    QVERIFY(w.SSCommand5->isVisible());
    QVERIFY(!w.SSPanel2->isVisible() && !w.StatusDay->isVisible() && !w.StatusDate->isVisible());
    QVERIFY(!w.StatusTime->isVisible() && !w.panText3->isVisible());
    QVERIFY(!w.picDest->isVisible() && !w.VScr->isVisible() && !w.HScroll1->isVisible());
    QVERIFY(!w.SSCommand2->isEnabled() && !w.SSCommand4->isEnabled() && !w.cmdZoom->isEnabled());
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Zoom In"));
    QCOMPARE(f->state().view.ZoomState, QStringLiteral("0"));
    QCOMPARE(w.childAt(20, 20), w.Image1);
    QVERIFY(w.SpinButton1->isVisible() && w.Text1->isVisible());
}

void ViewLayoutTest::toggleSequence() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.cmdZoom);
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Wide"));
    f->click(w.SSCommand5);
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Zoom In"));
    QCOMPARE(f->state().view.ZoomState, QStringLiteral("0"));
    QVERIFY(w.Image1->isVisible() && !w.picDest->isVisible());
    QCOMPARE(w.Image1->geometry(), QRect(6, 0, 793, 508));
    f->click(w.SSCommand5);
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Wide"));
    QCOMPARE(f->state().view.ZoomState, QStringLiteral("1"));
    QVERIFY(w.picDest->isVisible() && !w.Image1->isVisible());
    QCOMPARE(w.picDest->geometry(), QRect(8, 0, 775, 498));
    f->click(w.cmdZoomOut);
    QVERIFY(w.Image1->isVisible() && !w.picDest->isVisible());
    QCOMPARE(w.cmdZoom->geometry(), QRect(200, 439, 73, 25));
    QVERIFY(w.cmdZoom->isEnabled() && w.SSCommand2->isEnabled());
    QCOMPARE(w.Image1->geometry(), QRect(328, 0, 451, 555));
}

void ViewLayoutTest::wideThenToggleShowsStatusPanels() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.SSCommand4);
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Zoom In"));
    f->click(w.SSCommand5);
    QVERIFY(w.picDest->isVisible());
    QVERIFY(w.StatusDay->isVisible() && w.StatusDate->isVisible() && w.StatusTime->isVisible());
    QVERIFY(w.SSPanel2->isVisible());
    QCOMPARE(w.SSCommand5->caption(), QStringLiteral("Wide"));
}

void ViewLayoutTest::steppingControlsStayInFrontAfterTheWideView() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.SSCommand4);
    f->click(w.cmdZoomOut);
    f->click(w.cmdZoom);
    f->click(w.SSCommand5);
    f->click(w.cmdZoomOut);
    f->clickYear(10);
    QWidget* client = w.centralWidget();
    for (QWidget* control : {static_cast<QWidget*>(w.Text1), static_cast<QWidget*>(w.panText3),
                             static_cast<QWidget*>(w.SpinButton1)}) {
        QVERIFY(control->isVisible());
        QWidget* top = client->childAt(control->geometry().center());
        QVERIFY2(top == control || control->isAncestorOf(top), qPrintable(control->objectName()));
    }
}

void ViewLayoutTest::focusNeverMovesToHiddenYearButtons() {
    showYear();
    ui::Form1& w = f->window();
    w.cmdYear[11]->setFocus();
    f->click(w.SSCommand4);
    f->click(w.SpinButton1->upArrow());
    QCOMPARE(w.Text1->text(), QStringLiteral("2 of 2"));
    QCOMPARE(f->focusedYearButton(), -1);
    f->click(w.cmdZoomOut);
    QCOMPARE(w.SpinButton1->x(), 331);
    QCOMPARE(w.Text1->x(), 389);
}

void ViewLayoutTest::zoomOutMovesFocusAndReenablesYears() {
    f->writeAd(QStringLiteral("53pekx00.jpg"));
    f->writeAd(QStringLiteral("63pekx00.jpg"));
    f->writeAd(QStringLiteral("64pekx00.jpg"));
    f->start();
    f->clickCategory(1);
    f->clickYear(10);
    ui::Form1& w = f->window();
    f->click(w.SSCommand4);
    w.cmdYear[11]->setEnabled(false);
    f->click(w.cmdZoomOut);
    QVERIFY(w.cmdYear[11]->isEnabled());
    QVERIFY(!w.cmdYear[12]->isEnabled());
    QCOMPARE(f->focusedYearButton(), 11);
}

void ViewLayoutTest::scrollingReachesTheLowerRightCorner() {
    f->writeSolidAd(QStringLiteral("64kxpe00.jpg"), 1600, 1200, Qt::darkGreen);
    showYear();
    ui::Form1& w = f->window();
    f->click(w.cmdZoom);
    f->click(w.cmdZoomOut);
    f->clickYear(11); // loaded after the zoomed view was shown once
    f->click(w.cmdZoom);
    QCOMPARE(w.VScr->minimum(), 0);
    QCOMPARE(w.VScr->maximum(), 702);
    QCOMPARE(w.HScroll1->minimum(), 0);
    QCOMPARE(w.HScroll1->maximum(), 805);
    w.VScr->setValue(702);
    w.HScroll1->setValue(805);
    const QPoint corner = w.picDest->geometry().topLeft() + QPoint(1600, 1200);
    QCOMPARE(corner, QPoint(795, 498));
    QCOMPARE(w.picDest->geometry(), QRect(-805, -702, 1600, 1200));
}

void ViewLayoutTest::scrollingBackLeavesTheBoxAtZero() {
    showYear();
    ui::Form1& w = f->window();
    f->click(w.cmdZoom);
    // Loaded before the zoomed view was first shown: the bar was 529 high then.
    QCOMPARE(w.VScr->maximum(), 1200 - 529);
    w.HScroll1->setValue(40);
    w.VScr->setValue(25);
    QCOMPARE(w.picDest->geometry(), QRect(-40, -25, 835, 523));
    w.HScroll1->setValue(0);
    w.VScr->setValue(0);
    QCOMPARE(w.picDest->geometry(), QRect(0, 0, 795, 498));
}

void ViewLayoutTest::narrowAdGivesNegativeMaximum() {
    f->writeSolidAd(QStringLiteral("64kxpe00.jpg"), 500, 400, Qt::darkGreen);
    showYear();
    ui::Form1& w = f->window();
    f->clickYear(11);
    f->click(w.cmdZoom);
    QCOMPARE(w.HScroll1->maximumValue(), -295);
    QCOMPARE(w.HScroll1->minimum(), -295);
    QCOMPARE(w.HScroll1->maximum(), 0);
    w.HScroll1->setValue(-100);
    QCOMPARE(w.picDest->geometry().left(), 100);
    QCOMPARE(w.picDest->geometry().width(), 695);
}

void ViewLayoutTest::doubleClickChangesNothing() {
    showYear();
    ui::Form1& w = f->window();
    QTest::mouseDClick(w.Image1, Qt::LeftButton);
    QVERIFY(w.Image1->isVisible() && !w.picDest->isVisible());
    f->click(w.cmdZoom);
    QTest::mouseDClick(w.picDest, Qt::LeftButton);
    QVERIFY(w.picDest->isVisible() && !w.Image1->isVisible());
    QCOMPARE(w.picDest->geometry(), QRect(8, 0, 775, 498));
}

void ViewLayoutTest::exitClosesTheWindow() {
    showYear();
    f->click(f->window().SSCommand2);
    QVERIFY(!f->window().isVisible());
}

QTEST_MAIN(ViewLayoutTest)
#include "ViewLayoutTest.moc"
