#include "ViewerFixture.h"

#include "ui/PictureBox.h"
#include "ui/SpinButton.h"
#include "view/ShownAdModel.h"

#include <QLineEdit>
#include <QToolButton>

namespace Reply = platform::Reply;

// Loads that fail: a read that fails once is tried again at the next click or step.
class FailedLoadTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aYearIsReadAgainAfterAFailedRead();
    void aReadFailingAheadSkipsNoAd();

private:
    view::ShownAdModel& model() { return f->startUp().program().shownAd(); }
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
    // The first read fails ahead of the click (the focus moves on to 1964), the second for the click.
    files().failReads(onDisc("64kxpe00.jpg"), 2);
    f->start();
    f->clickYear(10);
    QTRY_COMPARE(files().readsOf(onDisc("64kxpe00.jpg")), 1);
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

QTEST_MAIN(FailedLoadTest)
#include "FailedLoadTest.moc"
