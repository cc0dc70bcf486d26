#include "platform/files/DiskFiles.h"
#include "platform/files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace platform;

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void blocksRoundTrip_data();
    void blocksRoundTrip();
    void openWriteEmptiesAnExistingFile();
    void existsAndLength();
    void failuresCarryTheSystemsDescription();
    void removeMatchingIgnoresCase();
    void foldersAreMadeAndRemoved();
    void freeSpaceOfTheTemporaryFolder();
    void emptyDriveHoldsNothing();
    void onlyOrdinaryFilesAreRead_data();
    void onlyOrdinaryFilesAreRead();

private:
    QString path(const QString& relative) const { return dir_->filePath(relative); }
    void makeFile(const QString& relative, const QByteArray& content = "x");

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<PathResolver> resolver_;
    std::unique_ptr<DiskFiles> files_;
};

void FilesTest::makeFile(const QString& relative, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void FilesTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    DriveTable drives;
    drives.set('E', path(QStringLiteral("cd")));
    resolver_ = std::make_unique<PathResolver>(drives);
    files_ = std::make_unique<DiskFiles>(*resolver_);
}

void FilesTest::blocksRoundTrip_data() {
    QTest::addColumn<qint64>("readAhead");
    QTest::newRow("opened when read") << qint64(0);
    QTest::newRow("read ahead in larger blocks") << qint64(50'000);
}

void FilesTest::blocksRoundTrip() {
    QFETCH(qint64, readAhead);
    QByteArray source(60'000, '\0');
    for (int i = 0; i < source.size(); ++i)
        source[i] = char(i * 7 % 251);
    makeFile(QStringLiteral("cd/ADS/60KXPE00.JPG"), source);
    QVERIFY(files_->createFolder(dir_->path() + "\\copy\\ads\\").ok);

    const QString disc = QStringLiteral("E:\\Ads\\60kxpe00.jpg");
    auto in = readAhead > 0 ? files_->openReadAhead(disc, readAhead)->take() : files_->openRead(disc);
    QVERIFY2(in.status.ok, qPrintable(in.status.error));
    auto out = files_->openWrite(dir_->path() + "\\copy\\ads\\60kxpe00.jpg");
    QVERIFY2(out.status.ok, qPrintable(out.status.error));
    QList<qsizetype> blockSizes;
    for (;;) {
        const ReadResult block = in.file.read(25'000);
        QVERIFY(block.status.ok);
        if (block.bytes.isEmpty())
            break;
        blockSizes.append(block.bytes.size());
        QVERIFY(out.file.write(block.bytes).ok);
    }
    QCOMPARE(blockSizes, QList<qsizetype>({25'000, 25'000, 10'000}));
    QVERIFY(out.file.close().ok);
    QVERIFY(!out.file.isOpen());
    QVERIFY(!out.file.write("more").ok);

    QFile copy(path(QStringLiteral("copy/ads/60kxpe00.jpg")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), source);
}

void FilesTest::openWriteEmptiesAnExistingFile() {
    makeFile(QStringLiteral("old.jpg"), QByteArray(1000, 'o'));
    {
        auto out = files_->openWrite(path(QStringLiteral("old.jpg")));
        QVERIFY(out.status.ok);
        QVERIFY(out.file.write("new").ok);
    } // closed by going out of scope
    QCOMPARE(QFileInfo(path(QStringLiteral("old.jpg"))).size(), 3);
    auto in = files_->openRead(path(QStringLiteral("old.jpg")));
    QVERIFY(!in.file.write("x").ok);
    QCOMPARE(in.file.read(10).bytes, QByteArray("new"));
}

void FilesTest::existsAndLength() {
    makeFile(QStringLiteral("cd/ADS/53vantor00.jpg"), QByteArray(24'999, 'a'));
    QVERIFY(files_->exists(QStringLiteral("E:\\ads\\53VANTOR00.JPG")));
    QVERIFY(!files_->exists(QStringLiteral("E:\\ads\\53vantor01.jpg")));
    QVERIFY(!files_->exists(QStringLiteral("E:\\ads"))); // a folder is no file
    const auto length = files_->length(QStringLiteral("E:\\ads\\53vantor00.jpg"));
    QVERIFY(length.status.ok);
    QCOMPARE(length.bytes, 24'999);
    QVERIFY(!files_->length(QStringLiteral("E:\\ads\\53vantor01.jpg")).status.ok);
}

void FilesTest::failuresCarryTheSystemsDescription() {
    const auto missing = files_->openRead(path(QStringLiteral("none.jpg")));
    QVERIFY(!missing.status.ok);
    QVERIFY(!missing.file.isOpen());
    QVERIFY(missing.status.error.contains(QStringLiteral("No such file"), Qt::CaseInsensitive));

    const auto noFolder = files_->openWrite(path(QStringLiteral("no/such/folder/x.jpg")));
    QVERIFY(!noFolder.status.ok);
    QVERIFY(!noFolder.status.error.isEmpty());

    QVERIFY(QDir().mkpath(path(QStringLiteral("afolder"))));
    QVERIFY(!files_->openWrite(path(QStringLiteral("afolder"))).status.ok);
    QVERIFY(!files_->remove(path(QStringLiteral("afolder"))).ok);
    QVERIFY(!files_->remove(path(QStringLiteral("none.jpg"))).ok);
}

void FilesTest::removeMatchingIgnoresCase() {
    makeFile(QStringLiteral("prog/ads/01vantor00.jpg"));
    makeFile(QStringLiteral("prog/ads/63KXPE00.JPG"));
    makeFile(QStringLiteral("prog/ads/notes.txt"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("prog/ads/sub.jpg"))));
    QVERIFY(files_->removeMatching(dir_->path() + "\\prog\\ads\\*.jpg").status.ok);
    QCOMPARE(QDir(path(QStringLiteral("prog/ads"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"notes.txt", "sub.jpg"}));
    // A folder of the user's spelled in another case is another folder.
    makeFile(QStringLiteral("prog/ads/01vantor01.jpg"));
    QCOMPARE(files_->removeMatching(dir_->path() + "/PROG\\ads\\*.jpg").remaining, 0);
    QVERIFY(QFileInfo::exists(path(QStringLiteral("prog/ads/01vantor01.jpg"))));
    QCOMPARE(files_->removeMatching(dir_->path() + "\\prog\\ads\\*.jpg").remaining, 0);
    // Nothing left to match is no failure; a missing folder is.
    QVERIFY(files_->removeMatching(dir_->path() + "\\prog\\ads\\*.jpg").status.ok);
    QVERIFY(!files_->removeMatching(dir_->path() + "\\prog\\gone\\*.jpg").status.ok);
}

void FilesTest::foldersAreMadeAndRemoved() {
    const QString folder = dir_->path() + "\\data\\VantorAds\\ads\\";
    QVERIFY(files_->createFolder(folder).ok);
    QVERIFY(QFileInfo(path(QStringLiteral("data/VantorAds/ads"))).isDir());
    QVERIFY(files_->createFolder(folder).ok); // existing: no error

    makeFile(QStringLiteral("data/VantorAds/ads/keep.txt"));
    QVERIFY(!files_->removeFolder(folder).ok); // not empty
    QVERIFY(QFileInfo(path(QStringLiteral("data/VantorAds/ads/keep.txt"))).isFile());
    QVERIFY(QFile::remove(path(QStringLiteral("data/VantorAds/ads/keep.txt"))));
    QVERIFY(files_->removeFolder(folder).ok);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("data/VantorAds/ads"))));
    QVERIFY(!files_->removeFolder(folder).ok);

    makeFile(QStringLiteral("plain"));
    QVERIFY(!files_->createFolder(path(QStringLiteral("plain"))).ok);
}

void FilesTest::freeSpaceOfTheTemporaryFolder() {
    const FreeSpace space = files_->freeSpace(dir_->path());
    QVERIFY2(space.ok, qPrintable(space.error));
    QVERIFY(space.freeClusters > 0);
    QCOMPARE(space.sectorsPerCluster, 1u);
    QVERIFY(space.bytesPerSector >= 512);
    QCOMPARE(space.bytes(), space.freeClusters * space.bytesPerSector);

    // A folder still to be made is measured on the file system that will hold it.
    const FreeSpace ahead = files_->freeSpace(dir_->path() + "\\not\\made\\yet\\");
    QVERIFY(ahead.ok);
    QCOMPARE(ahead.bytesPerSector, space.bytesPerSector);
}

void FilesTest::emptyDriveHoldsNothing() {
    QVERIFY(!files_->exists(QStringLiteral("K:\\ads\\63kxpe00.jpg")));
    QVERIFY(!files_->openRead(QStringLiteral("K:\\ads\\63kxpe00.jpg")).status.ok);
    QVERIFY(!files_->openWrite(QStringLiteral("K:\\ads\\63kxpe00.jpg")).status.ok);
    QVERIFY(!files_->createFolder(QStringLiteral("K:\\ads\\")).ok);
    QVERIFY(!files_->freeSpace(QStringLiteral("K:\\")).ok);
}

void FilesTest::onlyOrdinaryFilesAreRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::newRow("ordinary file at the limit") << "ordinary" << true;
    QTest::newRow("larger than the limit") << "sparse" << false;
    QTest::newRow("FIFO") << "fifo" << false;
    QTest::newRow("link to /dev/zero") << "device" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("missing") << "missing" << false;
}

void FilesTest::onlyOrdinaryFilesAreRead() {
    QFETCH(QString, kind);
    QFETCH(bool, read);
    constexpr qint64 limit = 256LL * 1024 * 1024;
    const QString name = path(QStringLiteral("63kxpe00.jpg"));
    if (kind == QLatin1String("ordinary")) {
        makeFile(QStringLiteral("63kxpe00.jpg"), "ad");
    } else if (kind == QLatin1String("sparse")) {
        QFile file(name); // three gigabytes that take no room, and would take 3 GB of memory if read
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(3LL * 1024 * 1024 * 1024));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(name));
    }
    const ReadResult result = readRegularFile(name, kind == QLatin1String("ordinary") ? 2 : limit);
    QCOMPARE(result.status.ok, read);
    QCOMPARE(result.bytes, read ? QByteArray("ad") : QByteArray());
    // Opening for block reads refuses the same, without a limit on the size.
    QCOMPARE(files_->openRead(name).status.ok,
             kind == QLatin1String("ordinary") || kind == QLatin1String("sparse"));
    QCOMPARE(isAbsentOrRegularFile(name), kind == QLatin1String("ordinary") ||
                                              kind == QLatin1String("sparse") ||
                                              kind == QLatin1String("missing"));
}

QTEST_GUILESS_MAIN(FilesTest)
#include "FilesTest.moc"
