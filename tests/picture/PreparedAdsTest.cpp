#include "picture/PreparedAds.h"
#include "platform/doubles/FakeServices.h"

#include <QFile>
#include <QTest>

// The store of decodes: bounded by bytes, it forgets the least recently used decodes no one holds, and
// gives a decode again only while its file stays as it was and its picture is large enough.
class PreparedAdsTest : public QObject {
    Q_OBJECT
private slots:
    void keepsWithinItsBytes();
    void aChangedFileIsDecodedAgain();
    void covers_data();
    void covers();
};

namespace {

bool writePage(const QString& path, QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::gray);
    return page.save(path, "JPEG");
}

} // namespace

void PreparedAdsTest::keepsWithinItsBytes() {
    platform::FakeServices fake;
    QStringList paths;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
        paths.append(fake.root() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(writePage(paths.back(), {200, 100}));
    }
    // Room for two full pictures of 80,000 bytes with their files, not for three.
    picture::PreparedAds store(fake.files, picture::decodeAdPicture, 200000);
    std::shared_ptr<picture::AdDecode> onView = store.decoded(paths[0], QSize());
    // A full picture needs its file no longer.
    QVERIFY(onView->result().jpeg.isEmpty());
    store.decoded(paths[1], QSize());
    QVERIFY(store.holds(paths[1]));
    store.decoded(paths[2], QSize());
    // The older of the two no one holds made way; the one on view stays though it is older still.
    QVERIFY(store.holds(paths[0]));
    QVERIFY(!store.holds(paths[1]));
    QVERIFY(store.holds(paths[2]));
    QVERIFY(store.bytesHeld() <= 200000);
    onView.reset();
    store.decoded(paths[3], QSize());
    QVERIFY(!store.holds(paths[0]));
    QVERIFY(store.holds(paths[2]));
    QVERIFY(store.holds(paths[3]));
}

void PreparedAdsTest::aChangedFileIsDecodedAgain() {
    platform::FakeServices fake;
    const QString path = fake.root() + QStringLiteral("/a.jpg");
    QVERIFY(writePage(path, {200, 100}));
    picture::PreparedAds store(fake.files, picture::decodeAdPicture);
    const std::shared_ptr<picture::AdDecode> first = store.decoded(path, QSize());
    QVERIFY(store.decoded(path, QSize()) == first);

    // Another scan under the same name, written later, as a disc changed in the drive gives it.
    QVERIFY(writePage(path, {300, 100}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(60),
                             QFileDevice::FileModificationTime));
    file.close();
    const std::shared_ptr<picture::AdDecode> second = store.decoded(path, QSize());
    QVERIFY(second != first);
    QCOMPARE(second->result().ad.picture.size(), QSize(300, 100));
}

void PreparedAdsTest::covers_data() {
    QTest::addColumn<QSize>("madeFor");
    QTest::addColumn<bool>("run");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<bool>("covered");
    // The file is 400 x 300: a view of 100 x 75 gets a quarter of it, one of 800 x 600 the whole.
    QTest::newRow("full, not yet run: any view") << QSize() << false << QSize(800, 600) << true;
    QTest::newRow("full, not yet run: the full picture") << QSize() << false << QSize() << true;
    QTest::newRow("reduced, not yet run: a smaller view") << QSize(100, 75) << false << QSize(90, 75) << true;
    QTest::newRow("reduced, not yet run: one column more")
        << QSize(100, 75) << false << QSize(101, 75) << false;
    QTest::newRow("reduced, not yet run: the full picture") << QSize(100, 75) << false << QSize() << false;
    QTest::newRow("reduced, done: the same view") << QSize(100, 75) << true << QSize(100, 75) << true;
    QTest::newRow("reduced, done: one row more") << QSize(100, 75) << true << QSize(100, 76) << false;
    QTest::newRow("reduced, done: the full picture") << QSize(100, 75) << true << QSize() << false;
    // A view larger than the file is given the whole picture, which then serves every view.
    QTest::newRow("larger view, done: the full picture") << QSize(800, 600) << true << QSize() << true;
    QTest::newRow("larger view, done: a larger view still")
        << QSize(800, 600) << true << QSize(1600, 1200) << true;
    QTest::newRow("larger view, not yet run: the full picture")
        << QSize(800, 600) << false << QSize() << false;
}

void PreparedAdsTest::covers() {
    QFETCH(QSize, madeFor);
    QFETCH(bool, run);
    QFETCH(QSize, asked);
    QFETCH(bool, covered);
    platform::FakeServices fake;
    const QString path = fake.root() + QStringLiteral("/a.jpg");
    QVERIFY(writePage(path, {400, 300}));
    const picture::AdDecoder decoder = picture::decodeAdPicture;
    picture::AdDecode decode(fake.files, decoder, path, madeFor);
    if (run)
        QVERIFY(decode.result().ad.ok());
    QCOMPARE(decode.covers(asked), covered);
}

QTEST_MAIN(PreparedAdsTest)
#include "PreparedAdsTest.moc"
