#include "support/ViewerFixture.h"

#include "picture/AdPicture.h"
#include "picture/ShownAdModel.h"
#include "ui/PictureBox.h"
#include "ui/SpinButton.h"

#include <QLineEdit>
#include <QToolButton>

namespace Reply = platform::Reply;

// Loads that fail: a read that fails once is tried again at the next click or step, and a full picture
// that cannot be decoded after its reduced one was is a failed load, never a reduced picture zoomed.
class FailedLoadTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aYearIsReadAgainAfterAFailedRead();
    void aReadFailingAheadSkipsNoAd();
    void aFullPictureThatFailsIsAFailedLoad();

private:
    picture::ShownAdModel& model() { return f->startUp().program().shownAd(); }
    platform::ScriptedFreeSpaceFiles& files() { return f->fake().files; }
    static QString onDisc(const char* name) { return QStringLiteral("D:\\ads\\") + QLatin1String(name); }
    static bool near(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
               std::abs(a.blue() - b.blue()) < 16;
    }
    void writeAd(const char* name, QSize size, QColor colour) {
        f->writeSolidAd(QLatin1String(name), size.width(), size.height(), colour);
    }

    std::unique_ptr<ViewerFixture> f;
};

void FailedLoadTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
}

void FailedLoadTest::cleanup() {
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void FailedLoadTest::aYearIsReadAgainAfterAFailedRead() {
    writeAd("63kxpe00.jpg", {300, 400}, Qt::red);
    writeAd("64kxpe00.jpg", {300, 400}, Qt::blue);
    // The reads ahead of the click fail (the year's file read from the disc once the window is up, and
    // decoded when the focus moves on to 1964), and so does the click's own.
    files().failReads(onDisc("64kxpe00.jpg"), 3);
    f->start();
    f->clickYear(10);
    QTRY_COMPARE(files().readsOf(onDisc("64kxpe00.jpg")), 2);
    QTRY_VERIFY(model().aheadIdle());
    f->fake().messageBoxes.expect(Reply::Retry);
    f->clickYear(11);
    QCOMPARE(f->fake().messageBoxes.shown().size(), size_t(1));
    f->clickYear(11);
    QCOMPARE(f->fake().messageBoxes.shown().size(), size_t(1));
    QVERIFY(near(f->window().PicSrc->picture().pixelColor(5, 5), Qt::blue));
    QCOMPARE(f->window().Text1->text(), QStringLiteral("1 of 1"));
    QVERIFY(f->idle());
}

void FailedLoadTest::aReadFailingAheadSkipsNoAd() {
    for (const char* name : {"63kxpe00.jpg", "63kxpe01.jpg", "63kxpe02.jpg"})
        writeAd(name, {300, 400}, Qt::red);
    files().failReads(onDisc("63kxpe01.jpg"), 1);
    f->start();
    f->clickYear(10);
    QTRY_COMPARE(files().readsOf(onDisc("63kxpe01.jpg")), 1);
    QTRY_VERIFY(model().aheadIdle());
    QTest::mouseClick(f->window().SpinButton1->upArrow(), Qt::LeftButton);
    QCOMPARE(f->window().Text1->text(), QStringLiteral("2 of 3"));
}

void FailedLoadTest::aFullPictureThatFailsIsAFailedLoad() {
    // The decoder runs short of memory for the full picture of every 1600-pixel-wide page, though its
    // reduced picture decodes.
    const QSize failing(1600, 2100);
    f->startUp().decoder = [failing](QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop) {
        picture::AdPicture ad = picture::decodeAdPicture(jpeg, atLeast, stop);
        if (!ad.reduced() && ad.fullSize == failing)
            return picture::AdPicture{QImage(), QSize(),
                                      QStringLiteral("Not enough memory for the picture.")};
        return ad;
    };
    writeAd("63kxpe00.jpg", {900, 1200}, Qt::red);
    writeAd("63kxpe01.jpg", failing, Qt::green);
    writeAd("63kxpe02.jpg", {900, 1200}, Qt::blue);
    writeAd("64kxpe00.jpg", failing, Qt::yellow);
    f->start();
    ui::Form1& w = f->window();
    f->clickYear(10);

    // The normal view shows the reduced picture at once; once the full one fails, the step goes on.
    QTest::mouseClick(w.SpinButton1->upArrow(), Qt::LeftButton);
    QTRY_COMPARE(w.Text1->text(), QStringLiteral("3 of 3"));
    QTRY_VERIFY(near(w.PicSrc->picture().pixelColor(5, 5), Qt::blue));

    // The zoomed view needs the full picture before it shows an ad: the step skips the page at once.
    f->click(w.cmdZoom);
    QTest::mouseClick(w.SpinButton1->downArrow(), Qt::LeftButton);
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 3"));
    QCOMPARE(w.picDest->picture().size(), QSize(900, 1200));
    QVERIFY(near(w.picDest->picture().pixelColor(5, 5), Qt::red));
    f->click(w.cmdZoomOut);

    // A year display reports it, and zooming in afterwards shows no picture rather than the reduced one.
    f->fake().messageBoxes.expect(Reply::Retry);
    f->clickYear(11);
    QTRY_COMPARE(f->fake().messageBoxes.shown().size(), size_t(1));
    QVERIFY(f->fake().messageBoxes.last().text.startsWith(QStringLiteral("Error number: VA002")));
    QVERIFY(!w.SpinButton1->isVisible());
    QCOMPARE(f->state().shown.AdCount, 0);
    f->click(w.cmdZoom);
    QVERIFY(w.picDest->picture().isNull());
    QVERIFY(f->idle());
}

QTEST_MAIN(FailedLoadTest)
#include "FailedLoadTest.moc"
