#include "picture/ShownAdModel.h"
#include "picture/AdPicture.h"
#include "platform/doubles/RecordingBusyCursor.h"
#include "platform/files/DiskFiles.h"
#include "platform/files/PathResolver.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>

using FullPicture = picture::ShownAdModel::FullPicture;

// The model of the ad on show on its own: a folder of JPEG files for drive E:, the real decoder or one
// that fails where a case needs it.
class ShownAdModelTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aLargeScanIsShownReducedThenFull();
    void aSmallPageIsWholeAtOnce();
    void aFailedFullDecodeIsTriedAgain();
    void newerSearchesStopOlderOnes();

private:
    QString write(const QString& name, QSize size);
    std::unique_ptr<picture::ShownAdModel> model(picture::AdDecoder decoder = picture::decodeAdPicture);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<platform::PathResolver> paths_;
    std::unique_ptr<platform::DiskFiles> files_;
    platform::RecordingBusyCursor cursor_;
};

void ShownAdModelTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    platform::DriveTable drives;
    drives.set('E', dir_->path());
    paths_ = std::make_unique<platform::PathResolver>(drives);
    files_ = std::make_unique<platform::DiskFiles>(*paths_);
}

QString ShownAdModelTest::write(const QString& name, QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::darkCyan);
    if (!page.save(dir_->filePath(name), "JPEG", 90))
        qFatal("cannot write %s", qPrintable(name));
    return QStringLiteral("E:\\") + name;
}

std::unique_ptr<picture::ShownAdModel> ShownAdModelTest::model(picture::AdDecoder decoder) {
    auto shown = std::make_unique<picture::ShownAdModel>(*files_, cursor_, std::move(decoder));
    shown->setNeededSize(QSize(600, 800));
    return shown;
}

void ShownAdModelTest::aLargeScanIsShownReducedThenFull() {
    const QString path = write(QStringLiteral("scan.jpg"), QSize(2400, 3200));
    const auto shown = model();
    QSignalSpy ready(shown.get(), &picture::ShownAdModel::fullPictureReady);
    QCOMPARE(shown->fullPictureState(), FullPicture::None);
    QVERIFY(shown->show(path));
    QCOMPARE(shown->fullPictureState(), FullPicture::Decoding);
    QCOMPARE(shown->pictureFor(QSize(600, 800)).size(), QSize(600, 800));
    QCOMPARE(shown->fullSize(), QSize(2400, 3200));
    QVERIFY(ready.wait());
    QCOMPARE(shown->fullPictureState(), FullPicture::Ready);
    QCOMPARE(shown->readyFullPicture().size(), QSize(2400, 3200));
    QCOMPARE(ready.count(), 1);
}

void ShownAdModelTest::aSmallPageIsWholeAtOnce() {
    const auto shown = model();
    QSignalSpy ready(shown.get(), &picture::ShownAdModel::fullPictureReady);
    QVERIFY(shown->show(write(QStringLiteral("page.jpg"), QSize(300, 400))));
    QCOMPARE(shown->fullPictureState(), FullPicture::Ready);
    QCOMPARE(ready.count(), 1);
    QCOMPARE(shown->fullPicture().size(), QSize(300, 400));
}

void ShownAdModelTest::aFailedFullDecodeIsTriedAgain() {
    const QString path = write(QStringLiteral("scan.jpg"), QSize(2400, 3200));
    std::atomic<int> fullDecodes{0};
    const auto shown = model([&](QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop) {
        if (!atLeast.isValid() && fullDecodes++ == 0)
            return picture::AdPicture{QImage(), QSize(), QStringLiteral("A read went wrong.")};
        return picture::decodeAdPicture(jpeg, atLeast, stop);
    });
    QSignalSpy failed(shown.get(), &picture::ShownAdModel::fullPictureFailed);
    QVERIFY(shown->show(path));
    QVERIFY(failed.wait());
    QCOMPARE(shown->fullPictureState(), FullPicture::Failed);
    QVERIFY(shown->readyFullPicture().isNull());
    // Asked for again, the picture is decoded again, under the busy pointer.
    QCOMPARE(shown->fullPicture().size(), QSize(2400, 3200));
    QCOMPARE(shown->fullPictureState(), FullPicture::Ready);
    QCOMPARE(fullDecodes.load(), 2);
    QVERIFY(!cursor_.isBusy());
}

void ShownAdModelTest::newerSearchesStopOlderOnes() {
    const QString missing = QStringLiteral("E:\\missing.jpg");
    const QString page = write(QStringLiteral("page.jpg"), QSize(300, 400));
    const auto shown = model();
    std::atomic<bool> started{false};
    std::atomic<bool> stoppedByNewer{false};
    std::atomic<bool> newerRan{false};
    // A search that would go on for as long as it finds nothing readable.
    shown->prepareAhead(picture::ShownAdModel::Ahead::Neighbours,
                        {[&](const std::function<bool(const QString&)>& decoded) {
                            started = true;
                            const QDeadlineTimer limit(10000);
                            while (!limit.hasExpired())
                                if (decoded(missing)) {
                                    stoppedByNewer = true;
                                    return;
                                }
                        }});
    QTRY_VERIFY(started);
    shown->prepareAhead(
        picture::ShownAdModel::Ahead::Neighbours,
        {[&](const std::function<bool(const QString&)>& decoded) { newerRan = decoded(page); }});
    QTRY_VERIFY(shown->aheadIdle());
    QVERIFY(stoppedByNewer);
    QVERIFY(newerRan);
    QVERIFY(shown->isPrepared(page));
}

QTEST_MAIN(ShownAdModelTest)
#include "ShownAdModelTest.moc"
