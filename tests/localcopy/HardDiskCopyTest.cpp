#include "CopyFixture.h"

#include "localcopy/CopyFigures.h"
#include "tools/makecatalog/SampleCatalog.h"
#include "ui/ImageBox.h"

#include <QCursor>
#include <QRadioButton>

#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Reply = platform::Reply;

namespace {

const QString Product = QStringLiteral("Vantor Ads - The Marketing of Roadmark");
const QString Success = QStringLiteral("Ok ! ") + Product + QStringLiteral(": Ads successfully copied!\r\n");

QString notCopied(const QStringList& failed, const QString& reason, int listed) {
    QStringList lines;
    for (const QString& name : failed)
        lines << name + QStringLiteral(": ") + reason;
    return QStringLiteral("Ok x %1: %2 of %3 Ads could not be copied:\r\n\r\n%4\r\n\r\n"
                          "The Ads are still shown from where they were shown before.\r\n")
        .arg(Product)
        .arg(failed.size())
        .arg(listed)
        .arg(lines.join(QStringLiteral("\r\n")));
}

// Root writes into any folder whatever its permissions, but not into one the file system marks immutable.
bool setImmutable(const QString& folder, bool on) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = descriptor >= 0 && ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    if (descriptor >= 0)
        ::close(descriptor);
    return done;
}

} // namespace

// Copying the ads to the local copy folder and removing that copy, through the real main window.
class HardDiskCopyTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freeSpaceIsCheckedBeforeThePanelShows_data();
    void freeSpaceIsCheckedBeforeThePanelShows();
    void cancelLeavesEverythingAsItWas();
    void copiesEveryAdBlockByBlock();
    void adsAreInPlaceBeforeTheCopyVouchesForThem();
    void failedFilesAreReportedAndTheCopyGoesOn_data();
    void failedFilesAreReportedAndTheCopyGoesOn();
    void listingTheAds_data();
    void listingTheAds();
    void viewerReadsTheCopyWithoutTheDisc();
    void removalDeletesTheAdsAndCloses_data();
    void removalDeletesTheAdsAndCloses();
    void removalDeletesNothingOutsideTheCopyAndSaysWhatIsLeft_data();
    void removalDeletesNothingOutsideTheCopyAndSaysWhatIsLeft();
    void progressPanelLiesInsideTheWindow_data();
    void progressPanelLiesInsideTheWindow();

private:
    std::unique_ptr<CopyFixture> f;
};

void HardDiskCopyTest::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    f = std::make_unique<CopyFixture>();
}

void HardDiskCopyTest::cleanup() {
    QCOMPARE(f->boxes.unexpectedBoxes(), 0);
    QCOMPARE(f->boxes.pendingReplies(), 0);
    f.reset();
}

void HardDiskCopyTest::freeSpaceIsCheckedBeforeThePanelShows_data() {
    QTest::addColumn<platform::FreeSpace>("space");
    QTest::addColumn<QStringList>("boxes");
    const auto notEnough = [](const char* have, const char* need) {
        return QStringLiteral(
                   "Ok x %1: Not enough available hard disk space to copy Ads.\r\n\r\nFree some up and "
                   "try again.\r\n\r\nYou have:  %2 bytes\r\n\r\nYou need:   %3 bytes more\r\n\r\n"
                   "For a total of:   100,000,000 bytes free.\r\n")
            .arg(Product, QLatin1String(have), QLatin1String(need));
    };
    QTest::newRow("exactly 100,000,000 bytes")
        << platform::FreeSpace{true, 1024 * 100, 1, 1000, {}} << QStringList();
    QTest::newRow("150,000 clusters of 4,096 bytes")
        << platform::FreeSpace{true, 150'000, 8, 512, {}} << QStringList();
    QTest::newRow("99,999,000 bytes") << platform::FreeSpace{true, 1024 * 99'999, 1, 1, {}}
                                      << QStringList{notEnough("99,999,000", "1,000")};
    QTest::newRow("free space unknown")
        << platform::FreeSpace{}
        << QStringList{QStringLiteral("Ok - VantorAds: Internal GetDisk error!"),
                       notEnough("", "100,000,000")};
}

void HardDiskCopyTest::freeSpaceIsCheckedBeforeThePanelShows() {
    QFETCH(platform::FreeSpace, space);
    QFETCH(QStringList, boxes);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->fake.files.setFreeSpace(space);
    for (int i = 0; i < boxes.size(); ++i)
        f->boxes.expect(Reply::Ok);
    f->window().mnuCopy->trigger();

    // Measured where the copy will go, not where the program happens to run.
    QCOMPARE(f->fake.files.freeSpaceQueries(),
             QStringList{f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\")});
    QCOMPARE(f->shown(), boxes);
    ui::SSPanel* panel = f->window().pnlProgress;
    QCOMPARE(panel->isVisible(), boxes.isEmpty());
    if (boxes.isEmpty()) {
        // Centred on the 800 x 600 screen and hiding the ad picture beneath it, right of the gauges.
        QCOMPARE(panel->geometry(), QRect(157, 128, 486, 345));
        QCOMPARE(f->window().grab().toImage().pixelColor(panel->mapTo(&f->window(), QPoint(475, 300))),
                 panel->palette().color(QPalette::Window));
        QVERIFY(f->window().cmdCopy->isEnabled() && f->window().cmdCancel->isEnabled() && f->idle());
    }
}

void HardDiskCopyTest::cancelLeavesEverythingAsItWas() {
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->state().catalog.AdFileList = {QStringLiteral("D:\\Ads\\earlier.jpg")};
    f->window().ProgressGuage->setCaption(QStringLiteral("7"));
    f->fake.files.setFreeSpace({true, 1024 * 1000, 1, 4096, {}});
    f->window().mnuCopy->trigger();
    QTest::mouseClick(f->window().cmdCancel, Qt::LeftButton);

    QVERIFY(!f->window().pnlProgress->isVisible());
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
    QCOMPARE(f->state().catalog.AdFileList, QStringList{"D:\\Ads\\earlier.jpg"});
    QCOMPARE(f->window().ProgressGuage->caption(), QStringLiteral("7"));
    QVERIFY(!QFileInfo::exists(f->copyAds()));
}

void HardDiskCopyTest::copiesEveryAdBlockByBlock() {
    // Sizes about a block of 25,000 bytes; 53kxpe06.jpg holds 3,960 blocks that take no room on the disk.
    const QStringList names = {"53kxpe00.jpg", "53kxpe01.jpg", "53kxpe02.jpg", "53kxpe03.jpg", "53kxpe04.jpg",
                               "53kxpe05.jpg", "53kxpe06.jpg", "A.jpg",        "b.jpg"};
    const qint64 sizes[] = {24'999, 25'000, 0, 50'000, 200'000, 2'500'000, 99'000'000, 30'000, 10};
    QStringList listed;
    for (int i = 0; i < names.size(); ++i) {
        QFile file(f->cdAds(names[i]));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(sizes[i] > 10'000'000 ? file.resize(sizes[i])
                                      : file.write(CopyFixture::content(sizes[i], i)) == sizes[i]);
        listed << QStringLiteral("D:\\Ads\\") + names[i];
    }
    QDir().mkpath(f->cdAds(QStringLiteral("53kxpe09.jpg"))); // a folder named like an ad is no ad
    f->write(f->copyAds(QStringLiteral("53kxpe03.jpg")), "an earlier copy");
    f->write(f->copyAds(QStringLiteral("notes.txt")), "kept");
    const QStringList disc = CopyFixture::entries(f->cdAds());
    f->start();
    ui::Form1& w = f->window();
    QString atTheEnd;
    f->boxes.onShow = [&] {
        // Arrow pointer, window still disabled, both gauges full in the colour of an enabled window.
        atTheEnd = QStringLiteral("busy %1, enabled %2, gauges %3 %4, filled %5")
                       .arg(f->fake.cursor.isBusy())
                       .arg(w.isEnabled())
                       .arg(w.ProgressGuage->caption(), w.ProgressGuage2->caption())
                       .arg(w.ProgressGuage2->grab().toImage().pixelColor(8, 4) ==
                            w.palette().color(QPalette::Active, QPalette::Highlight));
    };
    PanelRecorder panel(w);
    f->copy();

    // A file shorter than a block shows nothing of its own; halves go to the even neighbour.
    const QStringList shownForSmallFiles = panel.shown.filter(QRegularExpression("0[1-4].jpg"));
    QCOMPARE(shownForSmallFiles, (QStringList{"D:\\Ads\\53kxpe01.jpg 100 0/0", "D:\\Ads\\53kxpe03.jpg 50 0/0",
                                              "D:\\Ads\\53kxpe03.jpg 100 0/0", "D:\\Ads\\53kxpe04.jpg 12 0/0",
                                              "D:\\Ads\\53kxpe04.jpg 25 0/0", "D:\\Ads\\53kxpe04.jpg 38 0/0",
                                              "D:\\Ads\\53kxpe04.jpg 50 0/0", "D:\\Ads\\53kxpe04.jpg 62 0/0",
                                              "D:\\Ads\\53kxpe04.jpg 75 0/0", "D:\\Ads\\53kxpe04.jpg 88 0/0",
                                              "D:\\Ads\\53kxpe04.jpg 100 0/0"}));
    // Each block is a 40th of a percent: 11 blocks before 53kxpe05.jpg, so its 9th block makes 0.5 (0), its
    // 49th 1.5 (2) and its 89th 2.5 (2); 4,060 blocks in all make 101.5, shown as 102 over a full gauge.
    for (const char* seen : {"53kxpe05.jpg 9 0/0", "53kxpe05.jpg 10 1/1", "53kxpe05.jpg 49 2/2",
                             "53kxpe05.jpg 89 2/2", "53kxpe06.jpg 100 102/100"})
        QVERIFY2(panel.shown.contains(QStringLiteral("D:\\Ads\\") + QLatin1String(seen)), seen);
    QCOMPARE(f->shown(), QStringList{Success});
    QCOMPARE(atTheEnd, QStringLiteral("busy 0, enabled 0, gauges 100 100, filled 1"));

    QCOMPARE(f->state().catalog.AdFileList, listed);
    QCOMPARE(f->state().catalog.AdFileCount, 9);
    for (const QString& name : names)
        QVERIFY2(CopyFixture::read(f->copyAds(name)) == CopyFixture::read(f->cdAds(name)), qPrintable(name));
    QCOMPARE(CopyFixture::entries(f->copyAds()), names + QStringList{"notes.txt"});
    QCOMPARE(CopyFixture::read(f->fake.folders.localCopyFolder() + QStringLiteral("/ads.complete")),
             QByteArray("9 Ads copied from the disc.\n"));
    QCOMPARE(CopyFixture::entries(f->cdAds()), disc);
    QCOMPARE(f->state().location.AdRoot, f->fake.folders.localCopyFolder());
    QVERIFY(!w.pnlProgress->isVisible() && w.cmdCopy->isEnabled() && w.cmdCancel->isEnabled());
    QCOMPARE(w.ProgressGuage->caption() + w.ProgressGuage2->caption() +
                 QString::number(w.ProgressGuage2->fillPercent()),
             QStringLiteral("000"));
    QVERIFY(f->idle());
}

// Files are put in place while the next ones are copied; the record that vouches for the copy comes only
// after the last of them, however slowly the disk forces them.
void HardDiskCopyTest::adsAreInPlaceBeforeTheCopyVouchesForThem() {
    QStringList targets;
    for (int i = 0; i < 12; ++i) {
        const QString name = QStringLiteral("53kxpe%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        f->write(f->cdAds(name), CopyFixture::content(30'000, i));
        targets << f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\") + name;
    }
    f->fake.files.slowCommits(std::chrono::milliseconds(40));
    f->start();
    f->copy();

    QCOMPARE(f->shown(), QStringList{Success});
    QStringList committed = f->fake.files.committed();
    QCOMPARE(committed.takeLast(), f->fake.folders.localCopyFolder() + QStringLiteral("\\ads.complete"));
    committed.sort();
    QCOMPARE(committed, targets);
}

void HardDiskCopyTest::failedFilesAreReportedAndTheCopyGoesOn_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("failed");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("boxes");
    const QString notAName = QStringLiteral("This is not the name of a file in the ads folder.");
    QTest::newRow("name reaching out of the folder")
        << "name" << QStringList{"a\\..\\..\\53kxpe01.jpg"} << notAName
        << QStringList{"Ok - VantorAds: D:\\Ads\\a\\..\\..\\53kxpe01.jpg\r\n\r\n" + notAName};
    // Failures that every further file would meet as well end the copy with one report.
    QTest::newRow("target folder read-only")
        << "read-only" << QStringList{"53kxpe00.jpg", "53kxpe01.jpg"}
        << QString::fromLocal8Bit(std::strerror(::geteuid() == 0 ? EPERM : EACCES)) << QStringList();
    QTest::newRow("disk full") << "full" << QStringList{"53kxpe01.jpg"}
                               << QStringLiteral("No space left on device") << QStringList();
}

void HardDiskCopyTest::failedFilesAreReportedAndTheCopyGoesOn() {
    QFETCH(QString, fault);
    QFETCH(QStringList, failed);
    QFETCH(QString, reason);
    QFETCH(QStringList, boxes);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), CopyFixture::content(30'000, 1));
    f->write(f->cdAds(failed.last()), CopyFixture::content(50'000, 2));
    f->write(f->copyAds(QStringLiteral("53kxpe01.jpg")), "an earlier copy");
    if (fault == QLatin1String("read-only")) {
        ::chmod(QFile::encodeName(f->copyAds()).constData(), 0555);
        if (::geteuid() == 0 && !setImmutable(f->copyAds(), true))
            QSKIP("This file system cannot keep root from writing into a folder.");
    }
    const auto writable = qScopeGuard([&] {
        setImmutable(f->copyAds(), false);
        ::chmod(QFile::encodeName(f->copyAds()).constData(), 0755);
    });
    if (fault == QLatin1String("full"))
        f->fake.files.fillAfter(40'000);
    f->start();
    f->copy(int(boxes.size()) + 1);

    QCOMPARE(f->shown(), boxes + QStringList{notCopied(failed, reason, 2)});
    // The earlier copy is whole, nothing half-written is left, and the viewer reads what it read before.
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe01.jpg"))), QByteArray("an earlier copy"));
    const bool goodArrived = !failed.contains(QStringLiteral("53kxpe00.jpg"));
    if (goodArrived)
        QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe00.jpg"))),
                 CopyFixture::content(30'000, 1));
    QCOMPARE(CopyFixture::entries(f->copyAds()),
             (goodArrived ? QStringList{"53kxpe00.jpg", "53kxpe01.jpg"} : QStringList{"53kxpe01.jpg"}));
    QCOMPARE(CopyFixture::entries(f->fake.folders.localCopyFolder()), QStringList{"ads"});
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
    QVERIFY(!f->window().pnlProgress->isVisible() && f->idle());
}

void HardDiskCopyTest::listingTheAds_data() {
    QTest::addColumn<int>("reply");
    QTest::newRow("empty folder") << 0;
    QTest::newRow("folder gone: Retry after the disc is back") << Reply::Retry;
    QTest::newRow("folder gone: Cancel") << Reply::Cancel;
}

void HardDiskCopyTest::listingTheAds() {
    QFETCH(int, reply);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->state().catalog.AdFileList = {QStringLiteral("D:\\Ads\\stale.jpg")};
    f->state().catalog.AdFileCount = 1;
    if (reply == 0) {
        QVERIFY(QFile::remove(f->cdAds(QStringLiteral("53kxpe00.jpg"))));
    } else {
        QVERIFY(QDir(f->cdAds()).removeRecursively());
        f->boxes.expect(reply);
        f->boxes.onShow = [&] { f->write(f->cdAds(QStringLiteral("70kxpe00.jpg")), "back"); };
    }
    f->copy(reply == Reply::Cancel ? 0 : 1);

    const QString report =
        QStringLiteral("RetryCancel - %1: Error number: VA001\r\n\r\nUnable to detect Vantor Ads - "
                       "The Marketing of Roadmark CD-ROM.\r\n\r\nMake sure that CD is in "
                       "CDROM drive.")
            .arg(Product);
    QCOMPARE(f->fake.programExit.ended(), reply == Reply::Cancel);
    if (reply == 0) {
        QCOMPARE(f->shown(), QStringList{Success});
        QCOMPARE(f->state().catalog.AdFileCount, 0);
        QVERIFY(f->state().catalog.AdFileList.isEmpty());
        QVERIFY(CopyFixture::entries(f->copyAds()).isEmpty());
    } else if (reply == Reply::Retry) {
        QCOMPARE(f->shown(), (QStringList{report, Success}));
        QCOMPARE(f->state().catalog.AdFileList, QStringList{"D:\\Ads\\70kxpe00.jpg"});
        QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("70kxpe00.jpg"))), QByteArray("back"));
    } else {
        QCOMPARE(f->shown(), QStringList{report});
        QCOMPARE(f->state().report.MessageReply, QStringLiteral("2"));
        QVERIFY(!QFileInfo::exists(f->copyAds()));
    }
}

void HardDiskCopyTest::viewerReadsTheCopyWithoutTheDisc() {
    QString error;
    QVERIFY(samplecatalog::writeAdJpeg(f->cdAds(QStringLiteral("53kxpe00.jpg")), 60, 80,
                                       QStringLiteral("53kxpe00.jpg"), Qt::darkRed, &error));
    f->start();
    f->copy();
    f->fake.paths.setDrives({}); // the disc is taken out
    QRadioButton* vantor = f->window().optParent[0];
    QTest::mouseClick(vantor, Qt::LeftButton, {}, QPoint(6, vantor->height() / 2));
    QCOMPARE(f->state().shown.DocumentTitle,
             f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\53kxpe00.jpg"));
    QVERIFY(!f->window().Image1->picture().isNull());
    QCOMPARE(f->shown(), QStringList{Success});
}

void HardDiskCopyTest::removalDeletesTheAdsAndCloses_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("copy");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("No: nothing changes")
        << false << QStringList{"01kxpe00.jpg"} << QStringList{"ads", "ads.complete", "outside.jpg"};
    QTest::newRow("only ads: the folder goes too")
        << true << QStringList{"01kxpe00.jpg", "63KXPE00.JPG"} << QStringList{"outside.jpg"};
    QTest::newRow("other files stay, and so does the folder")
        << true << QStringList{"01kxpe00.jpg", "notes.txt", "a\\..\\..\\outside.jpg"}
        << QStringList{"ads", "outside.jpg"};
    QTest::newRow("no copy at all") << true << QStringList() << QStringList{"outside.jpg"};
}

void HardDiskCopyTest::removalDeletesTheAdsAndCloses() {
    QFETCH(bool, yes);
    QFETCH(QStringList, copy);
    QFETCH(QStringList, left);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    for (const QString& name : copy)
        f->write(f->copyAds(name), "copy");
    // Beside the ads folder, where a name such as "a\..\..\outside.jpg" must not reach.
    f->write(f->fake.folders.localCopyFolder() + QStringLiteral("/outside.jpg"), "not an ad of the copy");
    f->write(f->fake.folders.localCopyFolder() + QStringLiteral("/ads.complete"), "a complete copy");
    f->start();
    const QString adRoot = f->state().location.AdRoot;
    QString pointer;
    f->boxes.onShow = [&] { pointer += QString::number(f->window().cursor().shape()); };
    f->boxes.answer({yes ? Reply::Yes : Reply::No});
    if (yes)
        f->boxes.expect(Reply::Ok);
    f->window().mnuRemove->trigger();

    QCOMPARE(f->shown().first(),
             QStringLiteral("YesNo ? %1: Would you like to remove all Vantor Ads from your hard drive?")
                 .arg(Product));
    QCOMPARE(f->state().output.PrintReply, yes ? Reply::Yes : Reply::No);
    QCOMPARE(CopyFixture::entries(f->fake.folders.localCopyFolder()), left);
    if (!yes) {
        QCOMPARE(CopyFixture::entries(f->copyAds()), copy);
        QCOMPARE(f->state().location.AdRoot, adRoot);
        QVERIFY(f->window().isVisible() && !f->fake.programExit.ended());
        return;
    }
    QCOMPARE(f->shown().last(),
             QStringLiteral("Ok - %1: All Ads Successfully Removed!\r\n\r\nYou must now exit and "
                            "re-enter the Vantor Ads to allow \r\nthe software to find the ads "
                            "on the cdrom drive.\r\n\r\n")
                 .arg(Product));
    // The hourglass over the main window while the message shows, not while the question is asked.
    QCOMPARE(pointer, QString::number(Qt::ArrowCursor) + QString::number(Qt::WaitCursor));
    QCOMPARE(f->window().cursor().shape(), Qt::ArrowCursor);
    if (left.contains(QStringLiteral("ads")))
        QCOMPARE(CopyFixture::entries(f->copyAds()), QStringList{"notes.txt"});
    QCOMPARE(f->state().copy.CopyTarget, f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\*.jpg"));
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
    // Closed as by Exit: place and size kept, the program ended.
    QVERIFY(!f->window().isVisible() && f->fake.programExit.ended());
    QCOMPARE(f->fake.settings.writes().size(), std::size_t(4));
    QCOMPARE(f->fake.settings.writes().front().key, QStringLiteral("MainLeft"));
}

void HardDiskCopyTest::removalDeletesNothingOutsideTheCopyAndSaysWhatIsLeft_data() {
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("left");
    QTest::newRow("ads folder is a link") << "folder link"
                                          << "The folder <ads> is a symbolic link." << 2;
    QTest::newRow("a link among the ads") << "file link"
                                          << "02kxpe00.jpg is not an ordinary file." << 1;
    QTest::newRow("read-only folder")
        << "read-only" << QString::fromLocal8Bit(std::strerror(::geteuid() == 0 ? EPERM : EACCES)) << 2;
}

void HardDiskCopyTest::removalDeletesNothingOutsideTheCopyAndSaysWhatIsLeft() {
    QFETCH(QString, copy);
    QFETCH(QString, reason);
    QFETCH(int, left);
    const QString elsewhere = f->fake.root() + QStringLiteral("/elsewhere/");
    f->write(elsewhere + QStringLiteral("01kxpe00.jpg"), "the user's own");
    f->write(elsewhere + QStringLiteral("53kxpe00.jpg"), "the user's own");
    f->write(f->cdAds(QStringLiteral("01kxpe00.jpg")), "ad");
    f->write(f->fake.folders.localCopyFolder() + QStringLiteral("/ads.complete"), "a complete copy");
    if (copy == QLatin1String("folder link")) {
        QVERIFY(QFile::link(elsewhere, f->copyAds().chopped(1)));
    } else {
        f->write(f->copyAds(QStringLiteral("01kxpe00.jpg")), "copy");
        if (copy == QLatin1String("file link"))
            QVERIFY(QFile::link(elsewhere + QStringLiteral("53kxpe00.jpg"), f->copyAds("02kxpe00.jpg")));
        else
            f->write(f->copyAds(QStringLiteral("02kxpe00.jpg")), "copy");
    }
    if (copy == QLatin1String("read-only") && !(setImmutable(f->copyAds(), true) || ::geteuid() != 0))
        QSKIP("This file system cannot keep root from deleting in a folder.");
    if (copy == QLatin1String("read-only"))
        ::chmod(QFile::encodeName(f->copyAds()).constData(), 0555);
    const auto writable = qScopeGuard([&] {
        setImmutable(f->copyAds(), false);
        ::chmod(QFile::encodeName(f->copyAds()).constData(), 0755);
    });
    f->start();
    f->boxes.answer({Reply::Yes, Reply::Ok});
    f->window().mnuRemove->trigger();

    reason.replace(QStringLiteral("<ads>"), f->copyAds().chopped(1));
    QCOMPARE(f->shown().last(),
             QStringLiteral("Ok ! %1: %2 Ads could not be removed from your hard drive:\r\n%3\r\n\r\nThey "
                            "are still in %4/ads.\r\n\r\nVantor Ads will now end.\r\n")
                 .arg(Product)
                 .arg(left)
                 .arg(reason, f->fake.folders.localCopyFolder()));
    QVERIFY(f->fake.programExit.ended());
    QCOMPARE(CopyFixture::entries(elsewhere), (QStringList{"01kxpe00.jpg", "53kxpe00.jpg"}));
    QCOMPARE(CopyFixture::read(elsewhere + QStringLiteral("53kxpe00.jpg")), QByteArray("the user's own"));
    // What is left is no copy to read the ads from.
    f->start();
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
}

void HardDiskCopyTest::progressPanelLiesInsideTheWindow_data() {
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("place");
    const QSize panel(486, 345);
    QTest::newRow("800 x 600: centred on the screen")
        << QSizeF(800, 600) << QSize(800, 560) << QPoint(157, 128);
    QTest::newRow("1920 x 1080: centred on the window")
        << QSizeF(1920, 1080) << QSize(806, 573) << QPoint(160, 114);
    QTest::newRow("small screen, large window") << QSizeF(400, 300) << QSize(806, 573) << QPoint(160, 114);
    QTest::newRow("window smaller than the panel") << QSizeF(1920, 1080) << QSize(400, 300) << QPoint(0, 0);
}

void HardDiskCopyTest::progressPanelLiesInsideTheWindow() {
    QFETCH(QSizeF, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, place);
    QCOMPARE(localcopy::progressPanelPlace(screen.width(), screen.height(), window, QSize(486, 345)), place);
    // Through the window on a large screen: all of the panel can be seen and reached.
    f->fake.screen.setTwips(screen.width() * 15, screen.height() * 15);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->fake.files.setFreeSpace({true, 1024 * 1000, 1, 4096, {}});
    f->window().mnuCopy->trigger();
    const QWidget* inside = f->window().pnlProgress->parentWidget();
    if (inside->width() >= 486 && inside->height() >= 345)
        QVERIFY(inside->rect().contains(f->window().pnlProgress->geometry()));
}

QTEST_MAIN(HardDiskCopyTest)
#include "HardDiskCopyTest.moc"
