#include "picture/PreparedAds.h"
#include "platform/doubles/FakeServices.h"

#include <QTest>

// The store of decodes: bounded by bytes, it forgets the least recently used decodes no one holds.
class PreparedAdsTest : public QObject {
    Q_OBJECT
private slots:
    void keepsWithinItsBytes();
};

void PreparedAdsTest::keepsWithinItsBytes() {
    platform::FakeServices fake;
    QStringList paths;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
        QImage page(200, 100, QImage::Format_RGB32);
        page.fill(Qt::gray);
        paths.append(fake.root() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(page.save(paths.back(), "JPEG"));
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

QTEST_MAIN(PreparedAdsTest)
#include "PreparedAdsTest.moc"
