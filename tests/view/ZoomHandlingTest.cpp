#include "support/ViewerFixture.h"

#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"

#include <QWheelEvent>

// Moving the zoomed ad with the wheel, the hand and the keys, through the real window: each only moves
// the bars, and the bars place the picture.
class ZoomHandlingTest : public QObject {
    Q_OBJECT
private slots:
    void wheelScrolls();
    void dragMovesTheAdWithThePointer();
    void keysScroll();
    void narrowAdMovesTowardsItsNegativeEnd();

private:
    void zoomInto(int width, int height) {
        f = std::make_unique<ViewerFixture>();
        f->writeAd(QStringLiteral("53kxpe00.jpg"));
        f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), width, height, Qt::darkCyan);
        f->start();
        f->clickYear(10);
        f->click(f->window().cmdZoom);
        f->window().picDest->setFocus();
    }
    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* box = f->window().picDest;
        const QPointF at = box->rect().center();
        QWheelEvent event(at, box->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &event);
    }
    int v() { return f->window().VScr->value(); }
    int h() { return f->window().HScroll1->value(); }
    QPoint place() { return f->window().picDest->pos(); }

    std::unique_ptr<ViewerFixture> f;
};

void ZoomHandlingTest::wheelScrolls() {
    zoomInto(1600, 1200);
    wheel({0, -120}); // one notch down
    QCOMPARE(v(), 40);
    QCOMPARE(place(), QPoint(8, -40)); // the box keeps its first place on the axis that did not move
    wheel({0, -120}, Qt::ShiftModifier);
    QCOMPARE(h(), 40);
    wheel({-120, 0}); // a sideways wheel
    QCOMPARE(h(), 80);
    QCOMPARE(place(), QPoint(-80, -40));
    for (int i = 0; i < 40; ++i)
        wheel({0, -120});
    QCOMPARE(v(), 671); // no further than the bar's end (set when the ad was loaded, before the zoom)
    wheel({0, 120});
    QCOMPARE(v(), 631);
}

void ZoomHandlingTest::dragMovesTheAdWithThePointer() {
    zoomInto(1600, 1200);
    QWidget* box = f->window().picDest;
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(box, QPoint(300, 250));
    // The pointer went 100 left and 50 up, and so did the ad.
    QCOMPARE(h(), 100);
    QCOMPARE(v(), 50);
    QCOMPARE(place(), QPoint(-100, -50));
    QTest::mouseRelease(box, Qt::LeftButton, {}, box->mapFromGlobal(QCursor::pos()));
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(box, QPoint(600, 600)); // past the top-left corner: it stops at 0
    QCOMPARE(h(), 0);
    QCOMPARE(v(), 0);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(600, 600));
}

void ZoomHandlingTest::keysScroll() {
    zoomInto(1600, 1200);
    QWidget* box = f->window().picDest;
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Right);
    QCOMPARE(v(), 40);
    QCOMPARE(h(), 40);
    QTest::keyClick(box, Qt::Key_PageDown);
    QCOMPARE(v(), 40 + 498 - 40);
    QTest::keyClick(box, Qt::Key_End);
    QCOMPARE(v(), 671);
    QCOMPARE(place().y(), -671);
    QTest::keyClick(box, Qt::Key_Home);
    QCOMPARE(v(), 0);
    QCOMPARE(h(), 0);
    QCOMPARE(place(), QPoint(0, 0));
    QTest::keyClick(box, Qt::Key_Up); // at the top already: nothing moves
    QCOMPARE(v(), 0);
}

void ZoomHandlingTest::narrowAdMovesTowardsItsNegativeEnd() {
    zoomInto(500, 400);
    QCOMPARE(f->window().HScroll1->maximumValue(), -295);
    QWidget* box = f->window().picDest;
    QTest::keyClick(box, Qt::Key_Right);
    QCOMPARE(h(), -40);
    QCOMPARE(place().x(), 40); // the picture moves right, as the thumb does
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(box, QPoint(400, 50));
    QCOMPARE(h(), -295);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(400, 50));
    // A picture lower than the bar has a negative maximum on that axis too, and moves down.
    wheel({0, -120});
    QCOMPARE(v(), -40);
    QCOMPARE(place().y(), 40);
}

QTEST_MAIN(ZoomHandlingTest)
#include "ZoomHandlingTest.moc"
