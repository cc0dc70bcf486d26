#include "view/AdPicture.h"

#include "platform/PathResolver.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

// Decoding the ad files: the colour models scanners write, and the damaged files a disc may hold.
class AdPictureTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void colourModelsShowTheirColours_data();
    void colourModelsShowTheirColours();
    void endOfImageMarker_data();
    void endOfImageMarker();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void extraBytesBeforeAMarkerStillShow();
    void paddingAfterTheEndStillShows();
    void pathTextsAreResolved();

private:
    QByteArray baselineJpeg(int width = 40, int height = 30) const;
    QString write(const QString& name, const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> dir;
};

void AdPictureTest::init() {
    dir = std::make_unique<QTemporaryDir>();
}

QByteArray AdPictureTest::baselineJpeg(int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 60, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    if (!writer.write(image))
        qFatal("cannot encode a JPEG: %s", qPrintable(writer.errorString()));
    return bytes;
}

QString AdPictureTest::write(const QString& name, const QByteArray& bytes) const {
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void AdPictureTest::colourModelsShowTheirColours_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("colour");
    // Made once with ImageMagick from solid colours: CMYK with an Adobe marker, progressive, grayscale.
    QTest::newRow("cmyk") << "cmyk.jpg" << QColor(200, 30, 40);
    QTest::newRow("progressive") << "progressive.jpg" << QColor(30, 160, 60);
    QTest::newRow("grayscale") << "gray.jpg" << QColor(90, 90, 90);
}

void AdPictureTest::colourModelsShowTheirColours() {
    QFETCH(QString, file);
    QFETCH(QColor, colour);
    const view::AdPicture ad = view::loadAdPicture(QStringLiteral(VANTOR_TEST_DATA "/") + file);
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    QCOMPARE(ad.picture.size(), QSize(32, 24));
    QCOMPARE(ad.picture.format(), QImage::Format_RGB32);
    const QColor shown = ad.picture.pixelColor(16, 12);
    QVERIFY2(std::abs(shown.red() - colour.red()) < 12 && std::abs(shown.green() - colour.green()) < 12 &&
                 std::abs(shown.blue() - colour.blue()) < 12,
             qPrintable(shown.name() + QStringLiteral(" for ") + colour.name()));
}

void AdPictureTest::endOfImageMarker_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("complete");
    QTest::newRow("marker last") << QByteArray("\xFF\xD8..\xFF\xD9", 6) << true;
    QTest::newRow("zero padding") << QByteArray("\xFF\xD8..\xFF\xD9\0\0\0", 9) << true;
    QTest::newRow("0xFF padding") << QByteArray("\xFF\xD8..\xFF\xD9\xFF\xFF", 8) << true;
    QTest::newRow("cut short") << QByteArray("\xFF\xD8..\x12\x34", 6) << false;
    QTest::newRow("cut after a padding-like byte") << QByteArray("\xFF\xD8..\xFF", 5) << false;
    QTest::newRow("data after the marker") << QByteArray("\xFF\xD8.\xFF\xD9.\x12", 7) << false;
    QTest::newRow("marker alone byte") << QByteArray("\xD9", 1) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("only padding") << QByteArray("\0\0\0", 3) << false;
}

void AdPictureTest::endOfImageMarker() {
    QFETCH(QByteArray, data);
    QFETCH(bool, complete);
    QCOMPARE(view::endsWithEndOfImage(data), complete);
}

void AdPictureTest::damagedFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = baselineJpeg(400, 300);
    QTest::newRow("truncated") << whole.left(whole.size() / 2);
    QTest::newRow("truncated, padded") << whole.left(whole.size() / 2) + QByteArray(512, '\0');
    QTest::newRow("not a JPEG") << QByteArray("GIF89a and then nothing\xFF\xD9", 25);
    QTest::newRow("empty") << QByteArray();

    QByteArray huge = whole;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        qFatal("no baseline frame header");
    for (int i : {5, 7}) { // height, then width: 60000 = 0xEA60
        huge[sof + i] = char(0xEA);
        huge[sof + i + 1] = char(0x60);
    }
    QTest::newRow("declares 60000 x 60000") << huge;
    QByteArray wide = whole;
    wide[sof + 5] = char(0x3A); // 15,000 rows of 15,000: 900 MB at 4 bytes a pixel
    wide[sof + 6] = char(0x98);
    wide[sof + 7] = char(0x3A);
    wide[sof + 8] = char(0x98);
    QTest::newRow("declares 15000 x 15000") << wide;
}

void AdPictureTest::damagedFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    const view::AdPicture ad = view::loadAdPicture(write(QStringLiteral("ad.jpg"), bytes));
    QVERIFY(!ad.ok());
    QVERIFY(ad.picture.isNull());
}

void AdPictureTest::extraBytesBeforeAMarkerStillShow() {
    QByteArray bytes = baselineJpeg();
    // Stray bytes between two segments: the decoder warns and goes on.
    const qsizetype quantTables = bytes.indexOf(QByteArray("\xFF\xDB", 2));
    QVERIFY(quantTables > 0);
    bytes.insert(quantTables, QByteArray("\x01\x02\x03", 3));
    const view::AdPicture ad = view::loadAdPicture(write(QStringLiteral("ad.jpg"), bytes));
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    QCOMPARE(ad.picture.size(), QSize(40, 30));
}

void AdPictureTest::paddingAfterTheEndStillShows() {
    const view::AdPicture ad =
        view::loadAdPicture(write(QStringLiteral("ad.jpg"), baselineJpeg() + QByteArray(2048, '\0')));
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    const QColor shown = ad.picture.pixelColor(20, 15);
    QVERIFY2(shown.blue() > 170 && shown.red() < 50, qPrintable(shown.name()));
}

void AdPictureTest::pathTextsAreResolved() {
    QDir(dir->path()).mkpath(QStringLiteral("ADS"));
    write(QStringLiteral("ADS/63KXPE00.JPG"), baselineJpeg());
    platform::DriveTable drives;
    drives.set('E', dir->path());
    const platform::PathResolver paths(drives);
    QVERIFY(view::loadAdPictureText(paths, QStringLiteral("E:\\ads\\63kxpe00.jpg")).ok());
    QVERIFY(!view::loadAdPictureText(paths, QStringLiteral("E:\\ads\\63kxpe01.jpg")).ok());
    QVERIFY(!view::loadAdPictureText(paths, QStringLiteral("F:\\ads\\63kxpe00.jpg")).ok());
}

QTEST_MAIN(AdPictureTest)
#include "AdPictureTest.moc"
