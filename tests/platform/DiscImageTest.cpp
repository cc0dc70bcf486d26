#include "support/ViewerFixture.h"

#include "platform/files/DiscImage.h"
#include "ui/PictureBox.h"
#include "ui/SpinButton.h"
#include "ui/TxtForm.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtEndian>

namespace Reply = platform::Reply;

// The sample catalog read from disc images made of it, through the real program.
class DiscImageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCommandWorksOnEachNamingForm_data();
    void everyCommandWorksOnEachNamingForm();
    void damagedImageCountsAsNoCatalog_data();
    void damagedImageCountsAsNoCatalog();
    void imageAloneAndDamagedAsksForTheDisc();
    void imageArgumentIsDriveD();
    void fuzzCorpusIsReadAsFarAsItMakesSense();

private:
    QString image(const QString& name) const { return images_.filePath(name); }
    void makeImage(const QString& name, const QStringList& options, const QString& folder);
    static QStringList contentsOf(const QString& folder);

    QTemporaryDir images_;
    QString catalog_;
};

void DiscImageTest::makeImage(const QString& name, const QStringList& options, const QString& folder) {
    QProcess tool;
    tool.start(QStringLiteral("genisoimage"),
               QStringList{"-quiet", "-o", image(name)} + options + QStringList{folder});
    QVERIFY2(tool.waitForFinished(60000) && tool.exitCode() == 0, tool.readAllStandardError().constData());
}

// The hash of every file of the folder, sorted: the same list when every file came through unchanged.
QStringList DiscImageTest::contentsOf(const QString& folder) {
    QStringList hashes;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        QFile in(file.filePath());
        in.open(QIODevice::ReadOnly);
        hashes.append(QCryptographicHash::hash(in.readAll(), QCryptographicHash::Sha256).toHex());
    }
    hashes.sort();
    return hashes;
}

void DiscImageTest::initTestCase() {
    catalog_ = images_.filePath(QStringLiteral("catalog"));
    QString error;
    QVERIFY2(samplecatalog::writeSampleCatalog(catalog_, &error), qPrintable(error));
    makeImage(QStringLiteral("level1.iso"), {}, catalog_);
    makeImage(QStringLiteral("joliet.iso"), {QStringLiteral("-J")}, catalog_);
    makeImage(QStringLiteral("rockridge.iso"), {QStringLiteral("-R")}, catalog_);
    makeImage(QStringLiteral("noads.iso"), {QStringLiteral("-J")}, catalog_ + QStringLiteral("/RichText"));

    QFile whole(image(QStringLiteral("joliet.iso")));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    // The first block that begins a JPEG file: all before it is descriptors and folders.
    qsizetype firstFile = 0;
    while (firstFile < bytes.size() && !bytes.sliced(firstFile).startsWith("\xFF\xD8\xFF"))
        firstFile += 2048;
    // Each volume descriptor's record of the root folder, from block 16 to the terminator, given another
    // extent (-1 keeps what is there) and size.
    const auto rootRecorded = [&](qint64 block, quint32 size) {
        QByteArray patched = bytes;
        for (qsizetype at = 16 * 2048; at < patched.size() && uchar(patched[at]) != 255; at += 2048) {
            char* record = patched.data() + at + 156;
            if (block >= 0) {
                qToLittleEndian(quint32(block), record + 2);
                qToBigEndian(quint32(block), record + 6);
            }
            qToLittleEndian(size, record + 10);
            qToBigEndian(size, record + 14);
        }
        return patched;
    };
    QRandomGenerator random(13);
    QByteArray noise(1'000'000, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const std::pair<const char*, QByteArray> damaged[] = {
        {"cut-in-folders.iso", bytes.first(40'000)},
        {"cut-before-files.iso", bytes.first(firstFile + 1000)},
        {"random.iso", noise},
        {"empty.iso", {}},
        {"root-of-1.6-GB.iso", rootRecorded(-1, 0x6000'0000)},
        {"root-past-2-GB.iso", rootRecorded(0x8000'0010, 2048)},
    };
    for (const auto& [name, content] : damaged) {
        QFile out(image(QLatin1String(name)));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
    }
}

void DiscImageTest::everyCommandWorksOnEachNamingForm_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("ISO 9660 level 1") << "level1.iso";
    QTest::newRow("Joliet") << "joliet.iso";
    QTest::newRow("Rock Ridge") << "rockridge.iso";
}

void DiscImageTest::everyCommandWorksOnEachNamingForm() {
    QFETCH(QString, name);
    ViewerFixture f;
    platform::DriveTable drives;
    drives.set('E', image(name));
    f.fake().paths.setDrives(drives);
    f.start(); // D: holds an empty ads folder
    QCOMPARE(f.state().location.DocRoot, QStringLiteral("E:"));

    ui::Form1& w = f.window();
    f.clickCategory(0);
    f.clickYear(10);
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 3"));
    QCOMPARE(w.PicSrc->size(), QImageReader(catalog_ + QStringLiteral("/ads/63kxpe00.jpg")).size());
    f.click(w.SpinButton1->upArrow());
    QCOMPARE(w.Text1->text(), QStringLiteral("2 of 3"));
    QCOMPARE(w.PicSrc->size(), QImageReader(catalog_ + QStringLiteral("/ads/63kxpe01.jpg")).size());

    w.mnuNotice->trigger();
    auto* document = qobject_cast<ui::TxtForm*>(QApplication::activeModalWidget());
    QVERIFY(document && document->isVisible());
    QCOMPARE(document->windowTitle(), QStringLiteral("Notice"));
    document->close();
    QTRY_VERIFY(!QApplication::activeModalWidget());

    f.fake().messageBoxes.expect(Reply::Ok);
    f.fake().files.setFreeSpace({true, 1024 * 1000, 1, 4096, {}});
    w.mnuCopy->trigger();
    QTest::mouseClick(w.cmdCopy, Qt::LeftButton);
    QCOMPARE(f.fake().messageBoxes.last().text.section(u'\r', 0, 0),
             QStringLiteral("Ads successfully copied!"));
    const QString copy = f.fake().folders.localCopyFolder() + QStringLiteral("/ads");
    QCOMPARE(contentsOf(copy), contentsOf(catalog_ + QStringLiteral("/ads")));
    QCOMPARE(f.state().location.AdRoot, f.fake().folders.localCopyFolder());
    QVERIFY(f.idle());
    QCOMPARE(f.fake().messageBoxes.unexpectedBoxes(), 0);
}

void DiscImageTest::damagedImageCountsAsNoCatalog_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("cut inside its folders") << "cut-in-folders.iso";
    QTest::newRow("cut before its files") << "cut-before-files.iso";
    QTest::newRow("random bytes") << "random.iso";
    QTest::newRow("empty file") << "empty.iso";
    QTest::newRow("root folder recorded as 1.6 GB") << "root-of-1.6-GB.iso";
    QTest::newRow("root folder recorded past 2 GB") << "root-past-2-GB.iso";
    QTest::newRow("no ads folder") << "noads.iso";
}

void DiscImageTest::damagedImageCountsAsNoCatalog() {
    QFETCH(QString, name);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    platform::DriveTable drives;
    drives.set('D', image(name));
    drives.set('E', f.folder("cd"));
    f.fake().paths.setDrives(drives);
    program::Program& program = f.startPastSplash();
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("E:"));
    QVERIFY(f.fake().messageBoxes.shown().empty());
}

void DiscImageTest::imageAloneAndDamagedAsksForTheDisc() {
    StartUpFixture f;
    platform::DriveTable drives;
    drives.set('D', image(QStringLiteral("cut-before-files.iso")));
    f.fake().paths.setDrives(drives);
    f.fake().messageBoxes.expect(Reply::Cancel);
    program::Program& program = f.startPastSplash();
    QVERIFY(f.fake().messageBoxes.last().text.startsWith(QStringLiteral("Error number: VA002")));
    QVERIFY(f.fake().programExit.ended());
    QVERIFY(!program.mainWindow().isVisible());
}

void DiscImageTest::imageArgumentIsDriveD() {
    ViewerFixture f;
    f.writeAd(QStringLiteral("53kxpe00.jpg")); // on the folder that D: would stand for
    f.startUp().setDrive('D', QStringLiteral("cd"));
    f.startUp().startPastSplash({image(QStringLiteral("rockridge.iso"))});
    QCOMPARE(f.state().location.DocRoot, QStringLiteral("D:"));
    QCOMPARE(f.fake().paths.drives().folderOf('E'), f.startUp().folder(QStringLiteral("cd")));
    f.clickCategory(0);
    f.clickYear(0);
    QCOMPARE(f.window().PicSrc->size(), QImageReader(catalog_ + QStringLiteral("/ads/53kxpe00.jpg")).size());
}

// The inputs the disc-image fuzzer kept (scripts/fuzz-reader image): whatever a listing finds can be looked
// up, and a file found is read whole or refused.
void DiscImageTest::fuzzCorpusIsReadAsFarAsItMakesSense() {
    int count = 0;
    for (QDirIterator it(QStringLiteral(IMAGE_CORPUS), QDir::Files); it.hasNext(); ++count) {
        const QString path = it.next();
        const auto image = std::make_shared<platform::DiscImage>(path, QFileInfo(path).size());
        for (const QStringList& folder : {QStringList(), QStringList{QStringLiteral("ads")}}) {
            const platform::FolderListing listing = image->list(folder, QStringLiteral("*"));
            QVERIFY(listing.ok == listing.error.isEmpty());
            for (const QString& name : listing.names) {
                const auto file = image->file(folder + QStringList{name});
                QVERIFY2(file, qPrintable(path + u' ' + name));
                const platform::ReadResult read = image->read(*file, 0, file->size);
                QVERIFY(!read.status.ok || read.bytes.size() == file->size);
            }
        }
    }
    QVERIFY2(count >= 2, "the disc-image corpus is missing");
}

QTEST_MAIN(DiscImageTest)
#include "DiscImageTest.moc"
