// Replays every input the fuzzer found interesting, and every test document, through the reader and a page
// layout. Built with the normal compiler (and its sanitizers when asked), it keeps old finds fixed.

#include "rtf/RtfReader.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QTextDocument>

class RtfCorpusTest : public QObject {
    Q_OBJECT

private slots:
    void replays_data();
    void replays();
};

void RtfCorpusTest::replays_data() {
    QTest::addColumn<QString>("path");
    int count = 0;
    for (const char* folder : {RTF_CORPUS, RTF_TEST_DATA}) {
        QDirIterator it(QString::fromUtf8(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(path.section(QLatin1Char('/'), -2))) << path;
            ++count;
        }
    }
    QVERIFY2(count > 10, "the regression corpus is missing");
}

void RtfCorpusTest::replays() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const rtf::RtfLoadResult result = rtf::readRtf(data);
    if (data.startsWith("{\\rtf"))
        QVERIFY(result.ok());
    QCOMPARE(result.document != nullptr, result.ok());
    if (!result.ok())
        return;
    result.document->setPageSize(QSizeF(794, 1123));
    QVERIFY(result.document->pageCount() >= 1);
}

QTEST_MAIN(RtfCorpusTest)
#include "RtfCorpusTest.moc"
