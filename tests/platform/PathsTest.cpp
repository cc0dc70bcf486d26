#include "platform/files/BoundedProbe.h"
#include "platform/files/DiskFileLister.h"
#include "platform/files/PathResolver.h"
#include "platform/files/Wildcard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace platform;

class PathsTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void wildcard_data();
    void wildcard();

    void driveLetterAndBackslashes();
    void componentsMatchWithoutCase();
    void exactSpellingWinsAndTwinsChooseTheSameWay();
    void missingComponentsKeepTheirSpelling();
    void emptyAndUnknownDrives();
    void folderRoots();

    void listingMatchesWithoutCase();
    void listingExcludesFolders();
    void listingFailures();
    void fileListerGivesNamesOnly();
    void fileListerProbesSingleFiles();

    void slowDriveIsWaitedFor();
    void hangingDriveIsAskedOnceAtATime();

private:
    void makeFile(const QString& relative);
    QString cd() const { return dir_->filePath(QStringLiteral("cd")); }

    std::unique_ptr<QTemporaryDir> dir_;
    PathResolver resolver_;
};

void PathsTest::makeFile(const QString& relative) {
    const QString path = dir_->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

void PathsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    makeFile(QStringLiteral("cd/ADS/63KXPE00.JPG"));
    makeFile(QStringLiteral("cd/ADS/63kxpe01.jpg"));
    makeFile(QStringLiteral("cd/ADS/01VANTOR00.Jpg"));
    makeFile(QStringLiteral("cd/ADS/readme.txt"));
    makeFile(QStringLiteral("cd/ADS/NOEXT"));
    makeFile(QStringLiteral("cd/ADS/._63KXPE00.JPG")); // hidden companions of a copied disc: no ads
    makeFile(QStringLiteral("cd/ADS/.hidden"));
    QVERIFY(QDir().mkpath(dir_->filePath(QStringLiteral("cd/ADS/folder.jpg"))));
    makeFile(QStringLiteral("cd/RichText/VantorAds.rtf"));
    DriveTable drives;
    drives.set('E', cd());
    drives.set('F', dir_->filePath(QStringLiteral("nothing-here")));
    resolver_ = PathResolver(drives);
}

void PathsTest::wildcard_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("extension") << "*.jpg"
                               << "63kxpe00.jpg" << true;
    QTest::newRow("extension, other case") << "*.jpg"
                                           << "63KXPE00.JPG" << true;
    QTest::newRow("other extension") << "*.jpg"
                                     << "63kxpe00.jpeg" << false;
    QTest::newRow("extension inside") << "*.jpg"
                                      << "a.jpg.txt" << false;
    QTest::newRow("prefix") << "01*.jpg"
                            << "01vantor00.jpg" << true;
    QTest::newRow("prefix, other") << "01*.jpg"
                                   << "10vantor01.jpg" << false;
    QTest::newRow("prefix is the name") << "01*.jpg"
                                        << "01.jpg" << true;
    QTest::newRow("star-dot-star, dot") << "*.*"
                                        << "notice.rtf" << true;
    QTest::newRow("star-dot-star, no dot") << "*.*"
                                           << "NOEXT" << true;
    QTest::newRow("name-dot-star, no extension") << "ad.*"
                                                 << "AD" << true;
    QTest::newRow("name-dot-star, other name") << "ad.*"
                                               << "add" << false;
    QTest::newRow("question mark") << "6?kxpe00.jpg"
                                   << "63kxpe00.jpg" << true;
    QTest::newRow("question mark needs a character") << "63kxpe0?.jpg"
                                                     << "63kxpe0.jpg" << false;
    QTest::newRow("star, nothing") << "*"
                                   << "" << true;
    QTest::newRow("backtracking") << "*a*b"
                                  << "xaxxab" << true;
    QTest::newRow("backtracking, no") << "*a*b"
                                      << "xaxxa" << false;
    QTest::newRow("exact") << "Register.rtf"
                           << "REGISTER.RTF" << true;
}

void PathsTest::wildcard() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(matchesWildcard(pattern, name), matches);
}

void PathsTest::driveLetterAndBackslashes() {
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\RichText\\VantorAds.rtf")),
             cd() + "/RichText/VantorAds.rtf");
    QCOMPARE(resolver_.resolve(QStringLiteral("e:\\RichText\\")), cd() + "/RichText");
    QCOMPARE(resolver_.resolve(QStringLiteral("E:")), cd());
}

void PathsTest::componentsMatchWithoutCase() {
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\ads\\63kxpe00.jpg")), cd() + "/ADS/63KXPE00.JPG");
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\Ads\\01vantor00.jpg")), cd() + "/ADS/01VANTOR00.Jpg");
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\richtext\\vantorads.RTF")),
             cd() + "/RichText/VantorAds.rtf");
}

void PathsTest::exactSpellingWinsAndTwinsChooseTheSameWay() {
    makeFile(QStringLiteral("cd/ADS/Twin.jpg"));
    makeFile(QStringLiteral("cd/ADS/TWIN.jpg"));
    makeFile(QStringLiteral("cd/ADS/twin.JPG"));
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\ads\\twin.JPG")), cd() + "/ADS/twin.JPG");
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\ads\\Twin.jpg")), cd() + "/ADS/Twin.jpg");
    // No exact spelling: the first in code-point order, upper case before lower.
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\ads\\twin.jpg")), cd() + "/ADS/TWIN.jpg");
}

void PathsTest::missingComponentsKeepTheirSpelling() {
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\ads\\99kxpe00.jpg")), cd() + "/ADS/99kxpe00.jpg");
    QCOMPARE(resolver_.resolve(QStringLiteral("E:\\Missing\\ADS\\x.jpg")), cd() + "/Missing/ADS/x.jpg");
}

void PathsTest::emptyAndUnknownDrives() {
    DriveTable drives = resolver_.drives();
    drives.clear('E');
    const PathResolver withoutE(drives);
    QCOMPARE(withoutE.resolve(QStringLiteral("E:\\ads\\63kxpe00.jpg")), std::nullopt);
    QCOMPARE(resolver_.resolve(QStringLiteral("Q:\\ads\\63kxpe00.jpg")), std::nullopt);
    QCOMPARE(resolver_.resolve(QStringLiteral("C:\\ads")), std::nullopt);
}

void PathsTest::folderRoots() {
    const QString root = dir_->path();
    QCOMPARE(resolver_.resolve(root + "\\cd\\ads\\63kxpe01.jpg"), cd() + "/ADS/63kxpe01.jpg");
    // The user's own folders, at the start of a text, are used as spelled; only what the program adds
    // after them is matched without regard to case, as on the disc.
    QCOMPARE(resolver_.resolve(root + "/CD/ads/"), root + "/CD/ads");
    QCOMPARE(resolver_.resolve(root + "/CD\\ads\\63kxpe01.jpg"), root + "/CD/ads/63kxpe01.jpg");
    QCOMPARE(resolver_.resolve(root + "/cd\\ADS\\63KXPE01.jpg"), cd() + "/ADS/63kxpe01.jpg");
    QCOMPARE(resolver_.resolve(root + "\\cd\\ads\\..\\richtext"), cd() + "/RichText");
}

void PathsTest::listingMatchesWithoutCase() {
    auto listing = resolver_.list(QStringLiteral("E:\\ads\\*.jpg"));
    QVERIFY(listing.ok);
    QCOMPARE(listing.names, QStringList({"01VANTOR00.Jpg", "63KXPE00.JPG", "63kxpe01.jpg"}));

    listing = resolver_.list(QStringLiteral("E:\\Ads\\01*.jpg"));
    QVERIFY(listing.ok);
    QCOMPARE(listing.names, QStringList({"01VANTOR00.Jpg"}));

    listing = resolver_.list(QStringLiteral("E:\\ADS\\*.*"));
    QVERIFY(listing.ok);
    QCOMPARE(listing.names,
             QStringList({"01VANTOR00.Jpg", "63KXPE00.JPG", "63kxpe01.jpg", "NOEXT", "readme.txt"}));

    listing = resolver_.list(QStringLiteral("E:\\ads\\*.gif"));
    QVERIFY(listing.ok);
    QVERIFY(listing.names.isEmpty());
}

void PathsTest::listingExcludesFolders() {
    const auto listing = resolver_.list(QStringLiteral("E:\\ads\\folder*"));
    QVERIFY(listing.ok);
    QVERIFY(listing.names.isEmpty());
}

void PathsTest::listingFailures() {
    for (const char* pattern :
         {"E:\\pictures\\*.jpg", "F:\\ads\\*.jpg", "G:\\ads\\*.jpg", "E:\\ads\\63kxpe00.jpg\\*"}) {
        const auto listing = resolver_.list(QString::fromLatin1(pattern));
        QVERIFY2(!listing.ok, pattern);
        QVERIFY(listing.names.isEmpty());
        QVERIFY(!listing.error.isEmpty());
    }
    const QString locked = cd() + "/ADS";
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    const bool readable = QDir(locked).entryList(QDir::Files).size() > 0; // root reads anyway
    const auto listing = resolver_.list(QStringLiteral("E:\\ADS\\*.jpg"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!readable)
        QVERIFY(!listing.ok);
}

void PathsTest::fileListerGivesNamesOnly() {
    const DiskFileLister lister(resolver_);
    auto listing = lister.list("E:\\ads\\63*.JPG");
    QVERIFY(listing.ok);
    QCOMPARE(listing.names, (std::vector<std::string>{"63KXPE00.JPG", "63kxpe01.jpg"}));
    listing = lister.list((dir_->path() + "\\cd\\ads\\01*.jpg").toStdString());
    QVERIFY(listing.ok);
    QCOMPARE(listing.names, (std::vector<std::string>{"01VANTOR00.Jpg"}));
    listing = lister.list("H:\\ads\\*.jpg");
    QVERIFY(!listing.ok);
    QVERIFY(listing.names.empty());
}

void PathsTest::fileListerProbesSingleFiles() {
    const DiskFileLister lister(resolver_);
    using catalog::Presence;
    QCOMPARE(lister.probe("E:\\ads\\63kxpe00.jpg"), Presence::Present);
    QCOMPARE(lister.probe("e:\\Ads\\63KXPE01.JPG"), Presence::Present);
    QCOMPARE(lister.probe("E:\\ads\\63kxpe02.jpg"), Presence::Absent);
    QCOMPARE(lister.probe("E:\\ads\\._63kxpe00.jpg"), Presence::Absent);
    QCOMPARE(lister.probe("E:\\ads\\folder.jpg"), Presence::Absent);
    QCOMPARE(lister.probe("F:\\ads\\63kxpe00.jpg"), Presence::Absent);
    QCOMPARE(lister.probe("H:\\ads\\63kxpe00.jpg"), Presence::Absent);
    QCOMPARE(lister.probe((dir_->path() + "/cd\\ads\\01vantor00.jpg").toStdString()), Presence::Present);
    QCOMPARE(lister.probe((dir_->path() + "/cd/ads/01vantor00.jpg").toStdString()), Presence::Absent);
}

void PathsTest::slowDriveIsWaitedFor() {
    // A drive that takes longer than the bound for its first listing, as a disc spinning up.
    auto queries = std::make_shared<std::atomic<int>>(0);
    const auto slowFirst = [queries](const PathResolver& resolver, const QString& pattern) {
        if (queries->fetch_add(1) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return resolver.list(pattern);
    };
    const DiskFileLister lister(resolver_, std::chrono::milliseconds(300), slowFirst);
    int ticks = 0;
    QTimer painter;
    QObject::connect(&painter, &QTimer::timeout, [&ticks] { ++ticks; });
    painter.start(20);

    QVERIFY(!lister.list("E:\\ads\\*.jpg").ok); // past the bound
    QVERIFY(ticks > 0);                         // events went on meanwhile
    // Asked while that listing still runs, the drive is waited for, not given up.
    QCOMPARE(lister.probe("E:\\ads\\63kxpe00.jpg"), catalog::Presence::Present);
    const catalog::Listing again = lister.list("E:\\ads\\*.jpg");
    QVERIFY(again.ok);
    QCOMPARE(again.names.size(), std::size_t(3));
    QCOMPARE(queries->load(), 2);
}

namespace {

// A query that hangs like a dead network mount until the test lets it go.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> started{0};

    void release() {
        std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }
};

} // namespace

void PathsTest::hangingDriveIsAskedOnceAtATime() {
    auto gate = std::make_shared<Gate>();
    const BoundedProbe<FolderListing> probe(std::chrono::milliseconds(200));
    const auto hangingQuery = [gate] {
        ++gate->started;
        std::unique_lock lock(gate->mutex);
        gate->opened.wait(lock, [&] { return gate->open; });
        return FolderListing{true, {QStringLiteral("late.jpg")}, {}};
    };
    const QString request = QStringLiteral("list E:\\ads\\*.jpg");

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(probe.run(QStringLiteral("E"), request, hangingQuery).has_value(), false);
    QVERIFY2(timer.elapsed() < 5000, "the probe waited far beyond its bound");
    QVERIFY(timer.elapsed() >= 150);
    QVERIFY(probe.isHanging(QStringLiteral("E")));

    // While the drive hangs, a further query waits out its bound and starts no second thread there;
    // other drives answer.
    timer.restart();
    QCOMPARE(probe.run(QStringLiteral("E"), QStringLiteral("other"), hangingQuery).has_value(), false);
    QVERIFY(timer.elapsed() >= 150);
    QCOMPARE(gate->started.load(), 1);
    const auto other = probe.run(QStringLiteral("F"), request, [] {
        return FolderListing{true, {QStringLiteral("a.jpg")}, {}};
    });
    QVERIFY(other && other->ok);

    // The drive answers while a query for the same waits: that query takes the answer.
    QTimer::singleShot(50, [gate] { gate->release(); });
    const auto late = probe.run(QStringLiteral("E"), request, hangingQuery);
    QVERIFY(late.has_value());
    QCOMPARE(late->names, QStringList({"late.jpg"}));
    QCOMPARE(gate->started.load(), 1);
    QVERIFY(!probe.isHanging(QStringLiteral("E")));
}

QTEST_GUILESS_MAIN(PathsTest)
#include "PathsTest.moc"
