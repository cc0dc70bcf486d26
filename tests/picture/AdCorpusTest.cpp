// Replays every input the ad decoder's fuzzer kept (scripts/fuzz-reader ad) through the decoder, at full size
// and reduced: each comes back as a picture or a refusal, never both, and a picture has the size it claims.

#include "picture/AdPicture.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

class AdCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void replays_data();
    void replays();
};

void AdCorpusTest::replays_data() {
    QTest::addColumn<QString>("path");
    int count = 0;
    for (QDirIterator it(QStringLiteral(AD_CORPUS), QDir::Files); it.hasNext(); ++count) {
        const QString path = it.next();
        QTest::newRow(qPrintable(path.section(u'/', -1))) << path;
    }
    QVERIFY2(count >= 4, "the ad corpus is missing");
}

void AdCorpusTest::replays() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const picture::AdPicture full = picture::decodeAdPicture(bytes);
    const picture::AdPicture reduced = picture::decodeAdPicture(bytes, QSize(8, 8));
    for (const picture::AdPicture& ad : {full, reduced}) {
        QCOMPARE(ad.picture.isNull(), !ad.ok());
        QVERIFY(ad.ok() || !ad.error.isEmpty());
    }
    QCOMPARE(reduced.ok(), full.ok());
    if (full.ok())
        QCOMPARE(full.picture.size(), full.fullSize);
}

QTEST_MAIN(AdCorpusTest)
#include "AdCorpusTest.moc"
