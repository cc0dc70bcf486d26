#include "picture/ShownAdModel.h"
#include "platform/doubles/FakeServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>

// The full picture of an ad shown from a reduced one: decoded beside it, stopped once another ad takes
// its place, and never waited for behind a worker that lags.
class FullDecodeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void decodedBesideTheReducedOneAndStoppedWhenLeft();
    void theWindowDoesNotWaitForAWorkerFarBehind();

private:
    std::unique_ptr<platform::FakeServices> fake;
    QStringList paths;
    std::atomic<bool> fullBegun{false};
    std::atomic<bool> besideReduced{false};
    std::atomic<bool> stopped{false};
    picture::AdDecoder decoder;
};

namespace {

// Waits, within a bound, for a flag another thread sets.
bool waitFor(const std::atomic<bool>& flag) {
    const QDeadlineTimer deadline(5000);
    while (!flag && !deadline.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return flag;
}

} // namespace

void FullDecodeTest::init() {
    fake = std::make_unique<platform::FakeServices>();
    paths.clear();
    for (const QSize size : {QSize(1600, 2000), QSize(800, 1000)}) {
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::darkCyan);
        paths.append(fake->root() + QStringLiteral("/%1.jpg").arg(size.width()));
        QVERIFY(page.save(paths.back(), "JPEG"));
    }
    fullBegun = besideReduced = stopped = false;
    // The first page's reduced decode ends only once its full decode has begun, or long after; that full
    // decode, on a worker, holds on until it is stopped, as one starved of the processor would.
    decoder = [this](QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop) {
        picture::AdPicture ad = picture::decodeAdPicture(jpeg, atLeast, stop);
        if (ad.fullSize.width() != 1600)
            return ad;
        if (ad.reduced()) {
            besideReduced = waitFor(fullBegun);
        } else if (QThread::currentThread() != qApp->thread()) {
            fullBegun = true;
            stopped = stop && waitFor(*stop);
        }
        return ad;
    };
}

void FullDecodeTest::decodedBesideTheReducedOneAndStoppedWhenLeft() {
    picture::ShownAdModel model(fake->files, fake->cursor, decoder);
    model.setNeededSize(QSize(300, 400));
    QVERIFY(model.show(paths[0]));
    QVERIFY(besideReduced);

    QSignalSpy ready(&model, &picture::ShownAdModel::fullPictureReady);
    QVERIFY(model.show(paths[1]));
    QTRY_VERIFY(stopped);
    // The next ad's full picture comes as ever, after the one left has ended, and nothing of that one takes
    // its place.
    QTRY_COMPARE(model.readyFullPicture().size(), QSize(800, 1000));
    QCOMPARE(ready.count(), 1);
}

void FullDecodeTest::theWindowDoesNotWaitForAWorkerFarBehind() {
    picture::ShownAdModel model(fake->files, fake->cursor, decoder);
    model.setNeededSize(QSize(300, 400));
    QVERIFY(model.show(paths[0]));
    QTRY_VERIFY(fullBegun);
    // The window decodes the picture itself and stops the worker's decode.
    QCOMPARE(model.fullPicture().size(), QSize(1600, 2000));
    QTRY_VERIFY(stopped);
}

QTEST_MAIN(FullDecodeTest)
#include "FullDecodeTest.moc"
