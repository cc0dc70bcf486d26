#include "support/ViewerFixture.h"

#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QLineEdit>
#include <QToolButton>

#include <sys/stat.h>

// Stepping through the ads of a year with the spin control, through the real main window.
class SteppingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void forwardAndBackwardWrap();
    void gapsAreSkipped();
    void numberOneHundredIsAnAd();
    void singleAdOnlyMovesTheFocus();
    void onlyUnreadableAdsAreSkippedSilently();
    void nothingFoundLeavesTheViewAndTheFocus();
    void steppingUsesTheFirstAdNotTheDocumentTitle();
    void steppingWhileZoomedResetsBothBars();

private:
    void up() { QTest::mouseClick(f->window().SpinButton1->upArrow(), Qt::LeftButton); }
    void down() { QTest::mouseClick(f->window().SpinButton1->downArrow(), Qt::LeftButton); }
    QString counter() { return f->window().Text1->text(); }
    // Each ad is drawn in its own colour; this tells which one is on view.
    QColor shownColour() { return f->window().Image1->picture().pixelColor(2, 40); }
    static bool near(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
               std::abs(a.blue() - b.blue()) < 40;
    }
    void writeYear(const QList<int>& numbers);
    static QColor colourOf(int n) { return QColor::fromHsv((n * 37) % 360, 255, 200); }

    std::unique_ptr<ViewerFixture> f;
};

void SteppingTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
}

void SteppingTest::cleanup() {
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void SteppingTest::writeYear(const QList<int>& numbers) {
    for (int n : numbers)
        f->writeSolidAd(QStringLiteral("63kxpe%1.jpg").arg(n, 2, 10, QLatin1Char('0')), 60, 80, colourOf(n));
}

void SteppingTest::forwardAndBackwardWrap() {
    writeYear({0, 1, 2});
    f->start();
    f->clickYear(10);
    QCOMPARE(counter(), QStringLiteral("1 of 3"));
    up();
    QCOMPARE(counter(), QStringLiteral("2 of 3"));
    QVERIFY(near(shownColour(), colourOf(1)));
    QCOMPARE(f->window().picDest->picture().constBits(), f->window().PicSrc->picture().constBits());
    QCOMPARE(f->window().Image1->picture().constBits(), f->window().PicSrc->picture().constBits());
    up();
    QCOMPARE(counter(), QStringLiteral("3 of 3"));
    QVERIFY(near(shownColour(), colourOf(2)));
    up();
    QCOMPARE(counter(), QStringLiteral("1 of 3"));
    QVERIFY(near(shownColour(), colourOf(0)));
    down();
    QCOMPARE(counter(), QStringLiteral("3 of 3"));
    QCOMPARE(f->state().shown.AdNumber, 2);
    down();
    QCOMPARE(counter(), QStringLiteral("2 of 3"));
    QCOMPARE(f->focusedYearButton(), 11);
    QVERIFY(f->window().isEnabled());
    QVERIFY(f->idle());
}

void SteppingTest::gapsAreSkipped() {
    writeYear({0, 1, 3});
    f->start();
    f->clickYear(10);
    QCOMPARE(counter(), QStringLiteral("1 of 4"));
    up();
    up();
    QCOMPARE(counter(), QStringLiteral("4 of 4"));
    QVERIFY(near(shownColour(), colourOf(3)));
    down();
    QCOMPARE(counter(), QStringLiteral("2 of 4"));
    QVERIFY(near(shownColour(), colourOf(1)));
}

void SteppingTest::numberOneHundredIsAnAd() {
    writeYear({0, 100});
    f->start();
    f->clickYear(10);
    QCOMPARE(counter(), QStringLiteral("1 of 101"));
    down();
    QCOMPARE(counter(), QStringLiteral("101 of 101"));
    QVERIFY(near(shownColour(), colourOf(100)));
    up();
    QCOMPARE(counter(), QStringLiteral("1 of 101"));
    QVERIFY(near(shownColour(), colourOf(0)));
    up();
    QCOMPARE(counter(), QStringLiteral("101 of 101"));
}

void SteppingTest::singleAdOnlyMovesTheFocus() {
    writeYear({0});
    f->start();
    f->clickYear(10);
    const auto changesBefore = f->fake().cursor.changes().size();
    f->window().cmdYear[30]->setFocus();
    up();
    QCOMPARE(counter(), QStringLiteral("1 of 1"));
    QCOMPARE(f->focusedYearButton(), 11);
    QCOMPARE(f->fake().cursor.changes().size(), changesBefore);
    f->window().cmdYear[30]->setFocus();
    down();
    QCOMPARE(f->focusedYearButton(), 11);
    QCOMPARE(f->state().shown.AdNumber, 0);
}

void SteppingTest::onlyUnreadableAdsAreSkippedSilently() {
    writeYear({0, 1, 4, 7});
    const QByteArray whole = f->readBytes(QStringLiteral("63kxpe01.jpg"));
    f->writeBytes(QStringLiteral("63kxpe02.jpg"), whole.left(whole.size() / 2));
    f->writeBytes(QStringLiteral("63kxpe03.jpg"), QByteArray("garbage\xFF\xD9", 9));
    // A tail after the end of the picture does not make an ad unreadable.
    f->writeBytes(QStringLiteral("63kxpe04.jpg"), f->readBytes(QStringLiteral("63kxpe04.jpg")) + "\r\n");
    QCOMPARE(::mkfifo(QFile::encodeName(f->adPath(QStringLiteral("63kxpe05.jpg"))).constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f->adPath(QStringLiteral("63kxpe06.jpg"))));
    f->start();
    f->clickYear(10);
    QCOMPARE(counter(), QStringLiteral("1 of 8"));
    up();
    up();
    QCOMPARE(counter(), QStringLiteral("5 of 8"));
    QVERIFY(near(shownColour(), colourOf(4)));
    up();
    QCOMPARE(counter(), QStringLiteral("8 of 8"));
    QVERIFY(near(shownColour(), colourOf(7)));
    QCOMPARE(f->fake().messageBoxes.shown().size(), size_t(0));
    QCOMPARE(f->state().report.ErrorCode, QStringLiteral("VA002"));
    QVERIFY(f->idle());
}

void SteppingTest::nothingFoundLeavesTheViewAndTheFocus() {
    writeYear({0, 1});
    f->start();
    f->clickYear(10);
    QFile::remove(f->adPath(QStringLiteral("63kxpe01.jpg")));
    f->window().cmdYear[30]->setFocus();
    up();
    QCOMPARE(counter(), QStringLiteral("1 of 2"));
    QCOMPARE(f->state().shown.AdNumber, 101);
    QCOMPARE(f->focusedYearButton(), 30);
    QVERIFY(f->idle());
    down();
    QCOMPARE(f->state().shown.AdNumber, 0);
    QCOMPARE(f->focusedYearButton(), 30);
    QVERIFY(f->idle());
}

void SteppingTest::steppingUsesTheFirstAdNotTheDocumentTitle() {
    writeYear({0, 1, 2});
    f->start();
    f->clickYear(10);
    f->state().shown.DocumentTitle = QStringLiteral("D:\\RichText\\notice.rtf");
    up();
    QCOMPARE(counter(), QStringLiteral("2 of 3"));
    QVERIFY(near(shownColour(), colourOf(1)));
    down();
    down();
    QCOMPARE(counter(), QStringLiteral("3 of 3"));
}

void SteppingTest::steppingWhileZoomedResetsBothBars() {
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 1600, 1200, colourOf(0));
    f->writeSolidAd(QStringLiteral("63kxpe01.jpg"), 1000, 900, colourOf(1));
    f->start();
    f->clickYear(10);
    f->click(f->window().cmdZoom);
    ui::Form1& w = f->window();
    w.VScr->setValue(300);
    w.HScroll1->setValue(200);
    QCOMPARE(w.picDest->geometry(), QRect(-200, -300, 995, 798));
    up();
    QCOMPARE(counter(), QStringLiteral("2 of 2"));
    QCOMPARE(w.VScr->value(), 0);
    QCOMPARE(w.HScroll1->value(), 0);
    QCOMPARE(w.picDest->geometry(), QRect(0, 0, 795, 498));
    QCOMPARE(w.VScr->maximumValue(), 900 - 498);
    QCOMPARE(w.HScroll1->maximumValue(), 1000 - 795);
    QVERIFY(w.picDest->isVisible());
    QVERIFY(!w.Image1->isVisible());
    QVERIFY(near(w.picDest->picture().pixelColor(2, 40), colourOf(1)));
}

QTEST_MAIN(SteppingTest)
#include "SteppingTest.moc"
