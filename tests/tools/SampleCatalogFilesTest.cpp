#include "tools/makecatalog/SampleCatalog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using samplecatalog::AdPage;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

bool closeTo(QColor a, QColor b) {
    // JPEG shifts flat colours by a few steps.
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

class TestSampleCatalogFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writesEveryAdAndDocument();
    void everyJpegDecodesAtItsDeclaredSize();
    void documentsOnDiskAreTheGeneratedTexts();
    void writingTwiceGivesIdenticalFiles();
    void pageShowsItsColourOnPaper();
    void writeAdJpegReplacesAnExistingFile();
    void writeAdJpegRejectsBadInput_data();
    void writeAdJpegRejectsBadInput();
    void writeSampleCatalogFailsWhereNoFolderCanBeMade();
    void toolWritesCatalogAndReportsFailure();

private:
    QTemporaryDir dir;
    QString catalog;
};

void TestSampleCatalogFiles::initTestCase() {
    QVERIFY(dir.isValid());
    catalog = dir.filePath(QStringLiteral("first"));
    QString error;
    QVERIFY2(samplecatalog::writeSampleCatalog(catalog, &error), qPrintable(error));
}

void TestSampleCatalogFiles::writesEveryAdAndDocument() {
    const QStringList ads = QDir(catalog + QStringLiteral("/ads")).entryList(QDir::Files, QDir::Name);
    QSet<QString> expected;
    for (const AdPage& ad : samplecatalog::sampleAds())
        expected.insert(samplecatalog::fileNameOf(ad));
    QCOMPARE(ads.size(), expected.size());
    QCOMPARE(QSet<QString>(ads.begin(), ads.end()), expected);

    for (const char* present : {"53kxpe00.jpg", "53pekx00.jpg", "62pepe00.jpg", "67peto00.jpg",
                                "76pekx00.jpg", "70kxpe100.jpg", "ZXkxpe00.jpg", "Rekxpe00.jpg"})
        QVERIFY2(ads.contains(QLatin1String(present)), present);
    for (const char* absent : {"00pekx00.jpg", "76kxpe00.jpg", "96kxpe00.jpg"})
        QVERIFY2(!ads.contains(QLatin1String(absent)), absent);

    QCOMPARE(QDir(catalog + QStringLiteral("/RichText")).entryList(QDir::Files, QDir::Name),
             QStringList({"Register.rtf", "VantorAds.rtf", "notice.rtf"}));
}

void TestSampleCatalogFiles::everyJpegDecodesAtItsDeclaredSize() {
    QSize largest;
    for (const AdPage& ad : samplecatalog::sampleAds()) {
        const QString path = catalog + QStringLiteral("/ads/") + samplecatalog::fileNameOf(ad);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), QSize(ad.width, ad.height));
        if (image.width() * image.height() > largest.width() * largest.height())
            largest = image.size();
    }
    QVERIFY(largest.width() >= 2400 && largest.height() >= 3200);
}

void TestSampleCatalogFiles::documentsOnDiskAreTheGeneratedTexts() {
    const QString folder = catalog + QStringLiteral("/RichText/");
    QCOMPARE(contentOf(folder + QStringLiteral("VantorAds.rtf")), samplecatalog::checklistRtf());
    QCOMPARE(contentOf(folder + QStringLiteral("notice.rtf")), samplecatalog::noticeRtf());
    QCOMPARE(contentOf(folder + QStringLiteral("Register.rtf")), samplecatalog::registerRtf());
    QVERIFY(contentOf(folder + QStringLiteral("VantorAds.rtf")).startsWith("{\\rtf1"));
}

void TestSampleCatalogFiles::writingTwiceGivesIdenticalFiles() {
    const QString second = dir.filePath(QStringLiteral("second"));
    QString error;
    QVERIFY2(samplecatalog::writeSampleCatalog(second, &error), qPrintable(error));
    const QStringList files = filesUnder(catalog);
    QCOMPARE(filesUnder(second), files);
    for (const QString& file : files)
        QVERIFY2(contentOf(catalog + '/' + file) == contentOf(second + '/' + file), qPrintable(file));
}

void TestSampleCatalogFiles::pageShowsItsColourOnPaper() {
    const QString path = dir.filePath(QStringLiteral("page.jpg"));
    const QColor colour(200, 30, 40);
    QString error;
    QVERIFY2(
        samplecatalog::writeAdJpeg(path, 500, 700, QStringLiteral("1963\nVantor\nNo. 00"), colour, &error),
        qPrintable(error));
    const QImage page(path);
    QCOMPARE(page.size(), QSize(500, 700));
    QVERIFY(closeTo(page.pixelColor(250, 30), colour));
    const QColor corner = page.pixelColor(3, 3);
    QVERIFY(corner.lightness() > 200 && corner.saturation() < 80);

    const QString other = dir.filePath(QStringLiteral("other.jpg"));
    QVERIFY(
        samplecatalog::writeAdJpeg(other, 500, 700, QStringLiteral("1964\nVantor\nNo. 00"), colour, &error));
    QVERIFY2(contentOf(path) != contentOf(other), "the label must show on the page");
}

void TestSampleCatalogFiles::writeAdJpegReplacesAnExistingFile() {
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("63kxpe00.jpg"));
    const QString fresh = out.filePath(QStringLiteral("fresh.jpg"));
    QVERIFY(samplecatalog::writeAdJpeg(path, 1600, 2100, QStringLiteral("1963"), Qt::blue));
    QVERIFY(samplecatalog::writeAdJpeg(path, 300, 400, QStringLiteral("1964"), Qt::darkGreen));
    QVERIFY(samplecatalog::writeAdJpeg(fresh, 300, 400, QStringLiteral("1964"), Qt::darkGreen));
    QCOMPARE(contentOf(path), contentOf(fresh));
    QCOMPARE(QImageReader(path).size(), QSize(300, 400));
}

void TestSampleCatalogFiles::writeAdJpegRejectsBadInput_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("missing folder") << "no-such-folder/a.jpg" << 100 << 100;
    QTest::newRow("folder is a file") << "blocker/a.jpg" << 100 << 100;
    QTest::newRow("zero width") << "zero.jpg" << 0 << 100;
    QTest::newRow("negative height") << "negative.jpg" << 100 << -5;
    QTest::newRow("absurd size") << "huge.jpg" << 100000 << 100000;
}

void TestSampleCatalogFiles::writeAdJpegRejectsBadInput() {
    QFETCH(QString, relativePath);
    QFETCH(int, width);
    QFETCH(int, height);
    QTemporaryDir bad;
    QFile blocker(bad.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const QString path = bad.filePath(relativePath);
    QString error;
    QVERIFY(!samplecatalog::writeAdJpeg(path, width, height, QStringLiteral("1963"), Qt::red, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!samplecatalog::writeAdJpeg(path, width, height, QStringLiteral("1963"), Qt::red));
}

void TestSampleCatalogFiles::writeSampleCatalogFailsWhereNoFolderCanBeMade() {
    QTemporaryDir bad;
    const QString file = bad.filePath(QStringLiteral("plain-file"));
    QFile blocker(file);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString error;
    QVERIFY(!samplecatalog::writeSampleCatalog(file, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!samplecatalog::writeSampleCatalog(file + QStringLiteral("/below"), &error));

    // A catalog whose documents folder is taken by a file fails, and the message names the folder.
    const QString half = bad.filePath(QStringLiteral("half"));
    QVERIFY(QDir().mkpath(half));
    QFile richText(half + QStringLiteral("/RichText"));
    QVERIFY(richText.open(QIODevice::WriteOnly));
    richText.close();
    error.clear();
    QVERIFY(!samplecatalog::writeSampleCatalog(half, &error));
    QVERIFY(error.contains(QStringLiteral("RichText")));
}

void TestSampleCatalogFiles::toolWritesCatalogAndReportsFailure() {
    QTemporaryDir out;
    QProcess tool;
    tool.start(QStringLiteral(MAKECATALOG_PATH), {out.filePath(QStringLiteral("cd"))});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
    const QByteArray printed = tool.readAllStandardOutput();
    QCOMPARE(printed.count('\n'), 1);
    QVERIFY(printed.contains(QByteArray::number(samplecatalog::sampleAds().size())));
    QCOMPARE(filesUnder(out.filePath(QStringLiteral("cd"))), filesUnder(catalog));
    QCOMPARE(contentOf(out.filePath(QStringLiteral("cd/ads/59kxpe00.jpg"))),
             contentOf(catalog + QStringLiteral("/ads/59kxpe00.jpg")));

    QFile blocker(out.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    tool.start(QStringLiteral(MAKECATALOG_PATH), {blocker.fileName()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(!tool.readAllStandardError().isEmpty());

    tool.start(QStringLiteral(MAKECATALOG_PATH), QStringList());
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(tool.readAllStandardError().contains("usage"));
}

QTEST_MAIN(TestSampleCatalogFiles)
#include "SampleCatalogFilesTest.moc"
