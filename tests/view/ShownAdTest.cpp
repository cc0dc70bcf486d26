#include "support/ViewerFixture.h"

#include "picture/AdPicture.h"
#include "picture/Scaling.h"
#include "picture/ShownAdModel.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SpinButton.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

// The ad on show through the real window: a reduced picture first, the full one behind it, and the ads a
// user is likely to ask for next decoded ahead.
class ShownAdTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void largeScanShowsReducedThenFull();
    void steppingFasterThanDecodingEndsOnTheRightAd();
    void neighboursAreDecodedAheadAndFollowTheirFiles();
    void theNextYearIsDecodedAheadOnFocusAndHover();
    void reducedPictureLooksLikeTheFullOneOnAHalftonePage();
    void theCategorysYearsAreReadAheadFromTheDisc();

private:
    picture::ShownAdModel& model() { return f->startUp().program().shownAd(); }
    void waitAhead() { QTRY_VERIFY(model().aheadIdle()); }
    void up() { QTest::mouseClick(f->window().SpinButton1->upArrow(), Qt::LeftButton); }
    static QColor colourOf(int n) { return QColor::fromHsv((n * 47) % 360, 255, 200); }
    static bool near(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
               std::abs(a.blue() - b.blue()) < 40;
    }
    QColor shownColour() { return f->window().Image1->picture().pixelColor(2, 2); }

    std::unique_ptr<ViewerFixture> f;
};

void ShownAdTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
}

void ShownAdTest::cleanup() {
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void ShownAdTest::largeScanShowsReducedThenFull() {
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 2400, 3200, colourOf(0));
    f->start();
    f->clickYear(10);
    ui::Form1& w = f->window();
    // The normal view gets a picture decoded at a quarter of the scan: still larger than the view.
    QCOMPARE(w.Image1->picture().size(), QSize(600, 800));
    QCOMPARE(w.PicSrc->size(), QSize(2400, 3200));
    // Zooming in at once shows the full picture, waiting for it if need be.
    f->click(w.cmdZoom);
    QCOMPARE(w.picDest->picture().size(), QSize(2400, 3200));
    QVERIFY(near(w.picDest->picture().pixelColor(1200, 1600), colourOf(0)));
    QTRY_COMPARE(w.PicSrc->picture().size(), QSize(2400, 3200));
    QVERIFY(f->idle());
}

void ShownAdTest::steppingFasterThanDecodingEndsOnTheRightAd() {
    for (int n = 0; n < 5; ++n)
        f->writeSolidAd(QStringLiteral("63kxpe%1.jpg").arg(n, 2, 10, QLatin1Char('0')), 1600, 2100,
                        colourOf(n));
    f->start();
    f->clickYear(10);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(f->window().cmdYear[11], Qt::Key_Period);
    QCOMPARE(f->window().Text1->text(), QStringLiteral("3 of 5"));
    QVERIFY(near(shownColour(), colourOf(2)));
    // No late decode of an ad stepped past ever takes its place.
    QTRY_COMPARE(f->window().PicSrc->picture().size(), QSize(1600, 2100));
    waitAhead();
    QVERIFY(near(f->window().PicSrc->picture().pixelColor(5, 5), colourOf(2)));
    QVERIFY(near(shownColour(), colourOf(2)));
}

void ShownAdTest::neighboursAreDecodedAheadAndFollowTheirFiles() {
    for (int n = 0; n < 4; ++n)
        f->writeSolidAd(QStringLiteral("63kxpe%1.jpg").arg(n, 2, 10, QLatin1Char('0')), 900, 1200,
                        colourOf(n));
    f->start();
    f->clickYear(10);
    waitAhead();
    // Both directions: the next two ads, as the way a user steps keeps a lead, and the last one by
    // wrapping round.
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\63kxpe01.jpg")));
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\63kxpe02.jpg")));
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\63kxpe03.jpg")));
    up();
    QCOMPARE(f->window().Text1->text(), QStringLiteral("2 of 4"));
    QVERIFY(near(shownColour(), colourOf(1)));
    waitAhead();

    // A prepared neighbour replaced on disk is read again: a changed picture shows as it is now ...
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\63kxpe02.jpg")));
    f->writeSolidAd(QStringLiteral("63kxpe02.jpg"), 800, 1000, Qt::black);
    up();
    QCOMPARE(f->window().Text1->text(), QStringLiteral("3 of 4"));
    QVERIFY(near(shownColour(), Qt::black));
    waitAhead();
    // ... and one that became unreadable is skipped as if it had never been decoded.
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\63kxpe03.jpg")));
    f->writeBytes(QStringLiteral("63kxpe03.jpg"), QByteArray("no longer a picture"));
    up();
    QCOMPARE(f->window().Text1->text(), QStringLiteral("1 of 4"));
    QVERIFY(near(shownColour(), colourOf(0)));
}

void ShownAdTest::theNextYearIsDecodedAheadOnFocusAndHover() {
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 900, 1200, colourOf(0));
    f->writeSolidAd(QStringLiteral("64kxpe00.jpg"), 900, 1200, colourOf(1));
    f->writeSolidAd(QStringLiteral("70kxpe00.jpg"), 900, 1200, colourOf(2));
    f->start();
    f->clickYear(10);
    // The focus has moved on to 1964.
    QCOMPARE(f->focusedYearButton(), 11);
    waitAhead();
    QVERIFY(model().isPrepared(QStringLiteral("D:\\ads\\64kxpe00.jpg")));
    // The pointer resting on 1970 has that year decoded before the click.
    ui::SSCommand* button = f->window().cmdYear[17];
    QTest::mouseMove(button);
    QTRY_VERIFY(model().isPrepared(QStringLiteral("D:\\ads\\70kxpe00.jpg")));
    f->clickYear(17);
    QVERIFY(near(shownColour(), colourOf(2)));
}

void ShownAdTest::reducedPictureLooksLikeTheFullOneOnAHalftonePage() {
    // Dots of a halftone screen, one pixel each, on a scan-sized page.
    QImage page(2400, 3200, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x)
            line[x] =
                ((x + y) % 2 == 0 || (x % 7 == 0 && y % 5 == 0)) ? qRgb(20, 20, 20) : qRgb(235, 235, 235);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && page.save(&buffer, "JPEG", 92));
    const QSize view(451, 555);
    const picture::AdPicture reduced = picture::decodeAdPicture(jpeg, view);
    const picture::AdPicture full = picture::decodeAdPicture(jpeg);
    QVERIFY(reduced.reduced());
    const QImage fromReduced = picture::stretch(reduced.picture, view);
    const QImage fromFull = picture::stretch(full.picture, view);
    qint64 difference = 0;
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x) {
            const int a = qGray(fromReduced.pixel(x, y));
            difference += std::abs(a - qGray(fromFull.pixel(x, y)));
            darkest = std::min(darkest, a);
            lightest = std::max(lightest, a);
        }
    const double meanDifference = double(difference) / (view.width() * view.height());
    QVERIFY2(meanDifference < 3, qPrintable(QString::number(meanDifference)));
    // An even grey, with no pattern beaten out of the dots.
    QVERIFY2(lightest - darkest < 24, qPrintable(QStringLiteral("%1..%2").arg(darkest).arg(lightest)));
}

void ShownAdTest::theCategorysYearsAreReadAheadFromTheDisc() {
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 300, 400, colourOf(0));
    f->writeSolidAd(QStringLiteral("70kxpe00.jpg"), 300, 400, colourOf(1));
    // The pointer, where an earlier case's clicks left it, could rest on a year button of the new window
    // and decode that year ahead; here only the disc reads ahead.
    QCursor::setPos(0, 0);
    f->start();
    const QString path = QStringLiteral("D:\\ads\\70kxpe00.jpg");
    const int atStart = f->fake().files.readsOf(path);
    f->clickCategory(0);
    QTRY_COMPARE(f->fake().files.readsOf(path), atStart + 1);
    waitAhead();
    // Read, so that the system holds its bytes, but not decoded: the store keeps what is near the user.
    QVERIFY(!model().isPrepared(path));
}

QTEST_MAIN(ShownAdTest)
#include "ShownAdTest.moc"
