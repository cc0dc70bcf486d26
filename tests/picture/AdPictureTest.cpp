#include "picture/AdPicture.h"

#include "picture/PreparedAds.h"
#include "platform/files/DiskFiles.h"
#include "platform/files/PathResolver.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// Decoding the ad files: the colour models scanners write, and the odd or damaged files a disc may hold.
class AdPictureTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void colourModelsShowTheirColours_data();
    void colourModelsShowTheirColours();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void harmlessOdditiesStillShow_data();
    void harmlessOdditiesStillShow();
    void reducedDecodingKeepsTheView_data();
    void reducedDecodingKeepsTheView();
    void pathTextsAreResolved();
    void aStoppedDecodeGivesNoPicture();

private:
    static QByteArray jpeg(int width, int height, bool progressive = false);
    static QByteArray repeatingLastScan(const QByteArray& progressive, int times);
    void write(const QString& name, const QByteArray& bytes) const;
    // An ad read and decoded as the program reads one, through its Files: E: is the test's folder, T: the
    // folder of the test pictures.
    picture::AdPicture load(const QString& pathText, QSize atLeast = QSize()) const;

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<platform::PathResolver> paths;
    std::unique_ptr<platform::DiskFiles> files;
};

namespace {

const QColor Blue(20, 60, 200);

bool near(QColor shown, QColor expected) {
    return std::abs(shown.red() - expected.red()) < 12 && std::abs(shown.green() - expected.green()) < 12 &&
           std::abs(shown.blue() - expected.blue()) < 12;
}

// Format_RGB32 demands 0xff in the unused byte; QImage::pixel() would hide any other value.
bool opaque(const QImage& picture) {
    const auto* pixels = reinterpret_cast<const QRgb*>(picture.constBits()); // RGB32 rows have no padding
    return std::all_of(pixels, pixels + picture.sizeInBytes() / 4,
                       [](QRgb pixel) { return qAlpha(pixel) == 255; });
}

} // namespace

void AdPictureTest::init() {
    dir = std::make_unique<QTemporaryDir>();
    platform::DriveTable drives;
    drives.set('E', dir->path());
    drives.set('T', QStringLiteral(VANTOR_TEST_DATA));
    paths = std::make_unique<platform::PathResolver>(drives);
    files = std::make_unique<platform::DiskFiles>(*paths);
}

picture::AdPicture AdPictureTest::load(const QString& pathText, QSize atLeast) const {
    const picture::AdDecoder decoder = picture::decodeAdPicture;
    picture::AdDecode decode(*files, decoder, pathText, atLeast);
    return decode.result().ad;
}

QByteArray AdPictureTest::jpeg(int width, int height, bool progressive) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Blue);
    for (int x = 0; x < width; x += 7) // some detail, so that every scan carries data
        image.setPixelColor(x, x % height, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        qFatal("cannot encode a JPEG: %s", qPrintable(writer.errorString()));
    return bytes;
}

// The scan from the last start-of-scan marker to the end-of-image marker, repeated: a valid file in which
// each repetition refines nothing, but costs a full pass over the picture's coefficients.
QByteArray AdPictureTest::repeatingLastScan(const QByteArray& progressive, int times) {
    const qsizetype lastScan = progressive.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = progressive.lastIndexOf(QByteArray("\xFF\xD9", 2));
    if (lastScan < 0 || end < lastScan)
        qFatal("not a progressive JPEG");
    return progressive.left(end) + progressive.mid(lastScan, end - lastScan).repeated(times) + "\xFF\xD9";
}

void AdPictureTest::write(const QString& name, const QByteArray& bytes) const {
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void AdPictureTest::colourModelsShowTheirColours_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QImage::Format>("format");
    // Made with ImageMagick or libjpeg from solid colours; tests/picture/data/README.md tells how.
    QTest::newRow("cmyk") << "cmyk.jpg" << QColor(200, 30, 40) << QImage::Format_RGB32;
    QTest::newRow("ycck") << "ycck.jpg" << QColor(200, 30, 40) << QImage::Format_RGB32;
    QTest::newRow("progressive") << "progressive.jpg" << QColor(30, 160, 60) << QImage::Format_RGB32;
    QTest::newRow("grayscale") << "gray.jpg" << QColor(90, 90, 90) << QImage::Format_Grayscale8;
}

void AdPictureTest::colourModelsShowTheirColours() {
    QFETCH(QString, file);
    QFETCH(QColor, colour);
    QFETCH(QImage::Format, format);
    const picture::AdPicture ad = load(QStringLiteral("T:\\") + file);
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    QCOMPARE(ad.picture.size(), QSize(32, 24));
    QCOMPARE(ad.fullSize, QSize(32, 24));
    QCOMPARE(ad.picture.format(), format);
    QVERIFY(format != QImage::Format_RGB32 || opaque(ad.picture));
    const QColor shown = ad.picture.pixelColor(16, 12);
    QVERIFY2(near(shown, colour), qPrintable(shown.name() + QStringLiteral(" for ") + colour.name()));

    const picture::AdPicture eighth = load(QStringLiteral("T:\\") + file, QSize(4, 3));
    QCOMPARE(eighth.picture.size(), QSize(4, 3));
    QCOMPARE(eighth.fullSize, QSize(32, 24));
    QCOMPARE(eighth.picture.format(), format);
    QVERIFY(near(eighth.picture.pixelColor(2, 1), colour));
}

void AdPictureTest::damagedFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray whole = jpeg(400, 300);
    const QByteArray half = whole.left(whole.size() / 2);
    const QString cutShort = QStringLiteral("ends before the end");
    QTest::newRow("truncated") << half << cutShort;
    QTest::newRow("truncated, zero padding") << half + QByteArray(512, '\0') << cutShort;
    QTest::newRow("truncated, CR LF") << half + "\r\n" << cutShort;
    QTest::newRow("progressive, truncated") << jpeg(400, 300, true).first(whole.size() / 2) << cutShort;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a and then nothing\xFF\xD9", 25) << QString();
    QTest::newRow("empty") << QByteArray() << QString();

    const qsizetype sof = whole.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        qFatal("no baseline frame header");
    QByteArray huge = whole;
    for (int i : {5, 7}) { // height, then width: 60000 = 0xEA60
        huge[sof + i] = char(0xEA);
        huge[sof + i + 1] = char(0x60);
    }
    QTest::newRow("declares 60000 x 60000") << huge << QStringLiteral("too large");
    QByteArray wide = whole;
    for (int i : {5, 7}) { // 15,000 rows of 15,000: 900 MB at 4 bytes a pixel
        wide[sof + i] = char(0x3A);
        wide[sof + i + 1] = char(0x98);
    }
    QTest::newRow("declares 15000 x 15000") << wide << QStringLiteral("too large");
    QTest::newRow("progressive, last scan 600 times")
        << repeatingLastScan(jpeg(800, 600, true), 600) << QStringLiteral("scans");
    QTest::newRow("progressive, last scan 490 times")
        << repeatingLastScan(jpeg(800, 600, true), 490) << QStringLiteral("scans");
    QTest::newRow("truncated, end marker") << half + "\xFF\xD9" << cutShort;
    QByteArray claims = whole;
    for (int i : {5, 7}) { // 10,000 x 15,000 from a few kilobytes
        claims[sof + i] = char(i == 5 ? 0x3A : 0x27);
        claims[sof + i + 1] = char(i == 5 ? 0x98 : 0x10);
    }
    QTest::newRow("declares 10000 x 15000 in a few KB") << claims << QStringLiteral("ends long before");
}

void AdPictureTest::damagedFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    write(QStringLiteral("ad.jpg"), bytes);
    const picture::AdPicture ad = load(QStringLiteral("E:\\ad.jpg"));
    QVERIFY(!ad.ok());
    QVERIFY(ad.picture.isNull());
    QVERIFY2(ad.error.contains(reason), qPrintable(ad.error));
}

void AdPictureTest::harmlessOdditiesStillShow_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = jpeg(40, 30);
    // Disc mastering and transfer tools leave all sorts of tails after the end-of-image marker.
    QTest::newRow("zero padding") << whole + QByteArray(2048, '\0');
    QTest::newRow("0xFF padding") << whole + QByteArray(16, '\xFF');
    QTest::newRow("CR LF") << whole + "\r\n";
    QTest::newRow("Ctrl-Z") << whole + "\x1A";
    QTest::newRow("blanks") << whole + QByteArray(300, ' ');
    QTest::newRow("other bytes") << whole + QByteArray("\x12\x34 saved by ScanTool 2.0\xFF\xD8\x00", 27);
    QByteArray stray = whole;
    // Stray bytes between two segments: the decoder warns and goes on.
    stray.insert(stray.indexOf(QByteArray("\xFF\xDB", 2)), QByteArray("\x01\x02\x03", 3));
    QTest::newRow("extra bytes before a marker") << stray;
    QTest::newRow("progressive, last scan twice") << repeatingLastScan(jpeg(40, 30, true), 2);
}

void AdPictureTest::harmlessOdditiesStillShow() {
    QFETCH(QByteArray, bytes);
    write(QStringLiteral("ad.jpg"), bytes);
    const picture::AdPicture ad = load(QStringLiteral("E:\\ad.jpg"));
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    QCOMPARE(ad.picture.size(), QSize(40, 30));
    QVERIFY(near(ad.picture.pixelColor(20, 16), Blue));
}

void AdPictureTest::reducedDecodingKeepsTheView_data() {
    QTest::addColumn<QSize>("atLeast");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("no view size") << QSize() << QSize(400, 300);
    QTest::newRow("an eighth") << QSize(40, 30) << QSize(50, 38); // rounded up
    QTest::newRow("an eighth, tiny view") << QSize(0, 0) << QSize(50, 38);
    QTest::newRow("a quarter") << QSize(100, 75) << QSize(100, 75);
    QTest::newRow("a half: a quarter is one column short") << QSize(101, 75) << QSize(200, 150);
    QTest::newRow("a half: a quarter is one row short") << QSize(60, 76) << QSize(200, 150);
    QTest::newRow("full: a half is too small") << QSize(300, 100) << QSize(400, 300);
    QTest::newRow("full: the view is larger") << QSize(800, 600) << QSize(400, 300);
}

void AdPictureTest::reducedDecodingKeepsTheView() {
    QFETCH(QSize, atLeast);
    QFETCH(QSize, decoded);
    const picture::AdPicture ad = picture::decodeAdPicture(jpeg(400, 300), atLeast);
    QVERIFY2(ad.ok(), qPrintable(ad.error));
    QCOMPARE(ad.picture.size(), decoded);
    QCOMPARE(ad.fullSize, QSize(400, 300));
    QCOMPARE(ad.reduced(), decoded != QSize(400, 300));
    QCOMPARE(picture::decodesReduced(jpeg(400, 300), atLeast), ad.reduced());
    QVERIFY(near(ad.picture.pixelColor(decoded.width() / 2, decoded.height() / 3), Blue));
}

void AdPictureTest::aStoppedDecodeGivesNoPicture() {
    const std::atomic<bool> stopped{true};
    const picture::AdPicture ad = picture::decodeAdPicture(jpeg(400, 300), QSize(), &stopped);
    QVERIFY(!ad.ok());
    QVERIFY(ad.picture.isNull());
}

void AdPictureTest::pathTextsAreResolved() {
    QDir(dir->path()).mkpath(QStringLiteral("ADS"));
    write(QStringLiteral("ADS/63KXPE00.JPG"), jpeg(40, 30));
    QVERIFY(load(QStringLiteral("E:\\ads\\63kxpe00.jpg")).ok());
    QCOMPARE(load(QStringLiteral("E:\\ads\\63kxpe00.jpg"), QSize(5, 4)).picture.size(), QSize(5, 4));
    QVERIFY(!load(QStringLiteral("E:\\ads\\63kxpe01.jpg")).ok());
    QVERIFY(!load(QStringLiteral("F:\\ads\\63kxpe00.jpg")).ok());
}

QTEST_MAIN(AdPictureTest)
#include "AdPictureTest.moc"
