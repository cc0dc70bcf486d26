#include "platform/doubles/FakeServices.h"
#include "view/ShownAdModel.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

// The full picture of an ad shown from a reduced one: decoded beside it, and stopped once another ad
// takes its place.
class FullDecodeTest : public QObject {
    Q_OBJECT
private slots:
    void decodedBesideTheReducedOneAndStoppedWhenLeft();
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

void FullDecodeTest::decodedBesideTheReducedOneAndStoppedWhenLeft() {
    platform::FakeServices fake;
    QStringList paths;
    for (const QSize size : {QSize(1600, 2000), QSize(800, 1000)}) {
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::darkCyan);
        paths.append(fake.root() + QStringLiteral("/%1.jpg").arg(size.width()));
        QVERIFY(page.save(paths.back(), "JPEG"));
    }
    std::atomic<bool> fullBegun{false};
    std::atomic<bool> besideReduced{false};
    std::atomic<bool> stopped{false};
    // The first page's reduced decode ends only once its full decode has begun, or long after; that full
    // decode holds on until it is stopped.
    const view::AdDecoder decoder = [&](QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop) {
        view::AdPicture ad = view::decodeAdPicture(jpeg, atLeast, stop);
        if (ad.fullSize.width() != 1600)
            return ad;
        if (ad.reduced()) {
            besideReduced = waitFor(fullBegun);
        } else {
            fullBegun = true;
            stopped = stop && waitFor(*stop);
        }
        return ad;
    };
    view::ShownAdModel model(fake.files, fake.cursor, decoder);
    model.setNeededSize(QSize(300, 400));
    QVERIFY(model.show(paths[0]));
    QVERIFY(besideReduced);

    QSignalSpy ready(&model, &view::ShownAdModel::fullPictureReady);
    QVERIFY(model.show(paths[1]));
    QTRY_VERIFY(stopped);
    // The next ad's full picture comes as ever, after the one left has ended, and nothing of that one takes
    // its place.
    QTRY_COMPARE(model.readyFullPicture().size(), QSize(800, 1000));
    QCOMPARE(ready.count(), 1);
}

QTEST_MAIN(FullDecodeTest)
#include "FullDecodeTest.moc"
