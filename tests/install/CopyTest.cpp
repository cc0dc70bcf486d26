#include "CopyFixture.h"

#include "tools/makecatalog/SampleCatalog.h"
#include "ui/ImageBox.h"

#include <QRadioButton>
#include <QRegularExpression>

#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::MessageButtons;
using platform::MessageIcon;
namespace Reply = platform::Reply;

namespace {

const QString Success = QStringLiteral("Ads successfully copied!\r\n");

// A folder that takes no new files for the guard's lifetime. Root ignores permissions, so for root the
// file system's immutable flag stands in.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path)) {
        ::chmod(path_.constData(), 0555);
        if (::geteuid() == 0)
            immutable_ = setImmutable(true);
    }
    ~ReadOnlyFolder() {
        if (immutable_)
            setImmutable(false);
        ::chmod(path_.constData(), 0755);
    }
    bool refusesRoot() const { return immutable_; }

private:
    bool setImmutable(bool on) {
        const int folder = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        bool done = folder >= 0 && ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
        if (folder >= 0)
            ::close(folder);
        return done;
    }

    QByteArray path_;
    bool immutable_ = false;
};

} // namespace

// Copying the ads from the disc to the local copy folder through the real main window.
class CopyTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freeSpaceIsCheckedBeforeThePanelShows_data();
    void freeSpaceIsCheckedBeforeThePanelShows();
    void cancelLeavesEverythingAsItWas();
    void copiesEveryAdBlockByBlock();
    void overallGaugeRoundsHalvesToEvenAndHasNoUpperLimit();
    void failedFilesAreReportedAndTheCopyGoesOn_data();
    void failedFilesAreReportedAndTheCopyGoesOn();
    void aSecondCopyReadsOnlyOrdinaryFilesOfTheDisc();
    void emptyFolderCopiesNothingAndSucceeds();
    void failedListing_data();
    void failedListing();
    void viewerReadsTheCopyWithoutTheDisc();

private:
    std::unique_ptr<CopyFixture> f;
};

void CopyTest::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    f = std::make_unique<CopyFixture>();
}

void CopyTest::cleanup() {
    if (f) {
        QCOMPARE(f->boxes.unexpectedBoxes(), 0);
        QCOMPARE(f->boxes.pendingReplies(), 0);
    }
    f.reset();
}

void CopyTest::freeSpaceIsCheckedBeforeThePanelShows_data() {
    QTest::addColumn<platform::FreeSpace>("space");
    QTest::addColumn<QStringList>("messages");
    const auto notEnough = [](const char* have, const char* need) {
        return QStringLiteral("Not enough available hard disk space to copy Ads.\r\n\r\n"
                              "Free some up and try again.\r\n\r\n"
                              "You have:  %1 bytes\r\n\r\n"
                              "You need:   %2 bytes more\r\n\r\n"
                              "For a total of:   100,000,000 bytes free.\r\n")
            .arg(QLatin1String(have), QLatin1String(need));
    };
    QTest::newRow("exactly 100,000,000 bytes")
        << platform::FreeSpace{true, 1024 * 100, 1, 1000, {}} << QStringList();
    QTest::newRow("150,000 clusters of 4,096 bytes")
        << platform::FreeSpace{true, 150'000, 8, 512, {}} << QStringList();
    QTest::newRow("99,999,000 bytes") << platform::FreeSpace{true, 1024 * 99'999, 1, 1, {}}
                                      << QStringList{notEnough("99,999,000", "1,000")};
    QTest::newRow("free space unknown")
        << platform::FreeSpace{false, 0, 0, 0, QStringLiteral("Input/output error")}
        << QStringList{QStringLiteral("Internal GetDisk error!"), notEnough("", "100,000,000")};
}

void CopyTest::freeSpaceIsCheckedBeforeThePanelShows() {
    QFETCH(platform::FreeSpace, space);
    QFETCH(QStringList, messages);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->fake.files.setFreeSpace(space);
    for (int i = 0; i < messages.size(); ++i)
        f->boxes.expect(Reply::Ok);
    f->window().mnuCopy->trigger();

    // Measured where the copy will go, not where the program happens to run.
    QCOMPARE(f->fake.files.freeSpaceQueries(),
             QStringList{f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\")});
    QCOMPARE(int(f->boxes.shown().size()), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        const platform::MessageBoxRequest& box = f->boxes.shown()[std::size_t(i)];
        QCOMPARE(box.text, messages[i]);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        const bool getDisk = messages.size() == 2 && i == 0;
        QCOMPARE(box.title, getDisk ? QStringLiteral("VantorAds")
                                    : QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
        QCOMPARE(box.icon, getDisk ? MessageIcon::None : MessageIcon::Critical);
    }
    ui::SSPanel* panel = f->window().pnlProgress;
    QCOMPARE(panel->isVisible(), messages.isEmpty());
    if (messages.isEmpty()) {
        // Centred on the 800 x 600 screen, in front of every other control, with both buttons ready.
        QCOMPARE(panel->geometry(), QRect(157, 128, 486, 345));
        // Right of the gauges the panel hides the ad picture beneath it.
        const QPoint besideTheGauges = panel->mapTo(&f->window(), QPoint(475, 300));
        QCOMPARE(f->window().grab().toImage().pixelColor(besideTheGauges),
                 panel->palette().color(QPalette::Window));
        QVERIFY(f->window().cmdCopy->isEnabled() && f->window().cmdCancel->isEnabled());
        QVERIFY(f->window().isEnabled());
    } else {
        QCOMPARE(f->state().report.MessageReply, QStringLiteral("1"));
    }
}

void CopyTest::cancelLeavesEverythingAsItWas() {
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    f->state().catalog.AdFileList = {QStringLiteral("D:\\Ads\\earlier.jpg")};
    f->state().catalog.AdFileCount = 1;
    f->window().ProgressGuage->setCaption(QStringLiteral("7"));
    f->showPanel();
    QVERIFY(f->window().pnlProgress->isVisible());
    QTest::mouseClick(f->window().cmdCancel, Qt::LeftButton);

    QVERIFY(!f->window().pnlProgress->isVisible());
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
    QCOMPARE(f->state().catalog.AdFileList, QStringList{"D:\\Ads\\earlier.jpg"});
    QCOMPARE(f->window().ProgressGuage->caption(), QStringLiteral("7"));
    QVERIFY(!QFileInfo::exists(f->copyAds()));
    QVERIFY(f->boxes.shown().empty());
}

void CopyTest::copiesEveryAdBlockByBlock() {
    const QList<std::pair<QString, qint64>> ads = {{"53kxpe00.jpg", 24'999},
                                                   {"53kxpe01.jpg", 25'000},
                                                   {"53kxpe02.jpg", 0},
                                                   {"53kxpe03.jpg", 50'000},
                                                   {"53kxpe04.jpg", 200'000},
                                                   {"A.jpg", 10},
                                                   {"b.jpg", 10}};
    for (int i = 0; i < ads.size(); ++i)
        f->write(f->cdAds(ads[i].first), CopyFixture::content(ads[i].second, i));
    QDir().mkpath(f->cdAds(QStringLiteral("53kxpe09.jpg"))); // a folder named like an ad is no ad
    f->write(f->copyAds(QStringLiteral("53kxpe03.jpg")), "an earlier copy");
    f->write(f->copyAds(QStringLiteral("notes.txt")), "kept");
    const QStringList disc = CopyFixture::entries(f->cdAds());
    f->start();

    f->boxes.expect(Reply::Ok);
    ui::Form1& w = f->window();
    QString atTheEnd;
    f->boxes.onShow = [&] {
        // A full gauge in the colour it has in an enabled window.
        const bool filled = w.ProgressGuage2->grab().toImage().pixelColor(8, 4) ==
                            w.palette().color(QPalette::Active, QPalette::Highlight);
        atTheEnd = QStringLiteral("busy %1, enabled %2, gauges %3 %4, filled %5")
                       .arg(f->fake.cursor.isBusy())
                       .arg(w.isEnabled())
                       .arg(w.ProgressGuage->caption(), w.ProgressGuage2->caption())
                       .arg(filled);
    };
    PanelRecorder panel(w);
    f->copy();

    QCOMPARE(panel.shown, (QStringList{
                              "D:\\Ads\\53kxpe01.jpg 100 0/0",
                              "D:\\Ads\\53kxpe03.jpg 50 0/0",
                              "D:\\Ads\\53kxpe03.jpg 100 0/0",
                              "D:\\Ads\\53kxpe04.jpg 12 0/0",
                              "D:\\Ads\\53kxpe04.jpg 25 0/0",
                              "D:\\Ads\\53kxpe04.jpg 38 0/0",
                              "D:\\Ads\\53kxpe04.jpg 50 0/0",
                              "D:\\Ads\\53kxpe04.jpg 62 0/0",
                              "D:\\Ads\\53kxpe04.jpg 75 0/0",
                              "D:\\Ads\\53kxpe04.jpg 88 0/0",
                              "D:\\Ads\\53kxpe04.jpg 100 0/0",
                          }));
    QCOMPARE(f->boxes.last().text, Success);
    QCOMPARE(f->boxes.last().title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(f->boxes.last().icon, MessageIcon::Exclamation);
    QCOMPARE(f->state().report.MessageReply, QStringLiteral("1"));
    // The message comes with the arrow pointer over a window that is still disabled, both gauges full.
    QCOMPARE(atTheEnd, QStringLiteral("busy 0, enabled 0, gauges 100 100, filled 1"));

    QCOMPARE(
        f->state().catalog.AdFileList,
        (QStringList{"D:\\Ads\\53kxpe00.jpg", "D:\\Ads\\53kxpe01.jpg", "D:\\Ads\\53kxpe02.jpg",
                     "D:\\Ads\\53kxpe03.jpg", "D:\\Ads\\53kxpe04.jpg", "D:\\Ads\\A.jpg", "D:\\Ads\\b.jpg"}));
    QCOMPARE(f->state().catalog.AdFileCount, 7);
    QCOMPARE(f->state().report.ErrorCode, QStringLiteral("VA001"));
    QStringList copied;
    for (const auto& [name, size] : ads) {
        QCOMPARE(CopyFixture::read(f->copyAds(name)), CopyFixture::read(f->cdAds(name)));
        copied.append(name);
    }
    QCOMPARE(CopyFixture::entries(f->copyAds()), copied + QStringList{"notes.txt"});
    QCOMPARE(CopyFixture::entries(f->cdAds()), disc);
    QCOMPARE(f->state().location.AdRoot, f->fake.folders.localCopyFolder());
    QCOMPARE(f->state().copy.CopySource, QStringLiteral("D:\\Ads\\b.jpg"));
    QCOMPARE(f->state().copy.CopyTarget, f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\b.jpg"));

    QVERIFY(!w.pnlProgress->isVisible());
    QVERIFY(w.cmdCopy->isEnabled() && w.cmdCancel->isEnabled());
    QCOMPARE(w.ProgressGuage->caption(), QStringLiteral("0"));
    QCOMPARE(w.ProgressGuage2->fillPercent(), 0);
    QVERIFY(f->idle());
}

void CopyTest::overallGaugeRoundsHalvesToEvenAndHasNoUpperLimit() {
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), CopyFixture::content(2'500'000, 1));
    QFile large(f->cdAds(QStringLiteral("53kxpe01.jpg"))); // 3,960 blocks that take no room on the disc
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(99'000'000));
    large.close();
    f->start();
    f->boxes.expect(Reply::Ok);
    PanelRecorder panel(f->window());
    f->copy();

    // Each block is a 40th of a percent: 20 blocks make 0.5, which goes to 0; 60 make 1.5 and 100 make 2.5,
    // which both go to 2.
    const auto overallAt = [&](const QString& file, int fileGauge) {
        const QString shown = QStringLiteral("D:\\Ads\\%1 %2 ").arg(file).arg(fileGauge);
        for (const QString& seen : panel.shown)
            if (seen.startsWith(shown))
                return seen.mid(shown.size());
        return QStringLiteral("not shown");
    };
    QCOMPARE(overallAt("53kxpe00.jpg", 20), QStringLiteral("0/0"));
    QCOMPARE(overallAt("53kxpe00.jpg", 21), QStringLiteral("1/1"));
    QCOMPARE(overallAt("53kxpe00.jpg", 60), QStringLiteral("2/2"));
    QCOMPARE(overallAt("53kxpe00.jpg", 100), QStringLiteral("2/2"));
    // 4,060 blocks in all: 101.5 percent, shown as 102 over a full gauge.
    QCOMPARE(panel.shown.last(), QStringLiteral("D:\\Ads\\53kxpe01.jpg 100 102/100"));
    QCOMPARE(f->boxes.last().text, Success);
    QCOMPARE(QFileInfo(f->copyAds(QStringLiteral("53kxpe01.jpg"))).size(), 99'000'000);
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe00.jpg"))),
             CopyFixture::content(2'500'000, 1));
}

void CopyTest::failedFilesAreReportedAndTheCopyGoesOn_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("failed");
    QTest::addColumn<QString>("description");
    QTest::newRow("name reaching out of the folder")
        << "name" << QStringList{"..\\53kxpe01.jpg"}
        << "^\\.\\.\\\\53kxpe01\\.jpg is not the name of a file in the ads folder\\.$";
    QTest::newRow("target folder read-only") << "read-only" << QStringList{"53kxpe00.jpg", "53kxpe01.jpg"}
                                             << QString("^(%1|%2)$")
                                                    .arg(QString::fromLocal8Bit(std::strerror(EACCES)),
                                                         QString::fromLocal8Bit(std::strerror(EPERM)));
    QTest::newRow("disk full") << "full" << QStringList{"53kxpe01.jpg"} << "^No space left on device$";
}

void CopyTest::failedFilesAreReportedAndTheCopyGoesOn() {
    QFETCH(QString, fault);
    QFETCH(QStringList, failed);
    QFETCH(QString, description);
    const QByteArray good = CopyFixture::content(30'000, 1);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), good);
    f->write(f->cdAds(failed.last()), CopyFixture::content(50'000, 2));
    f->write(f->copyAds(QStringLiteral("53kxpe01.jpg")), "an earlier copy");
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (fault == QLatin1String("read-only")) {
        readOnly = std::make_unique<ReadOnlyFolder>(f->copyAds());
        if (::geteuid() == 0 && !readOnly->refusesRoot())
            QSKIP("This file system cannot keep root from writing to a folder.");
    }
    if (fault == QLatin1String("full"))
        f->fake.files.fillAfter(40'000);
    f->start();
    for (int i = 0; i <= failed.size(); ++i) // one message for each failed file and the closing one
        f->boxes.expect(Reply::Ok);
    f->copy();
    readOnly.reset();

    const std::vector<platform::MessageBoxRequest>& shown = f->boxes.shown();
    QCOMPARE(int(shown.size()), failed.size() + 1);
    for (int i = 0; i < failed.size(); ++i) {
        QVERIFY2(QRegularExpression(description).match(shown[std::size_t(i)].text).hasMatch(),
                 qPrintable(shown[std::size_t(i)].text));
        QCOMPARE(shown[std::size_t(i)].title, QStringLiteral("VantorAds"));
        QCOMPARE(shown[std::size_t(i)].icon, MessageIcon::None);
    }
    QCOMPARE(shown.back().text,
             QStringLiteral("%1 of 2 Ads could not be copied:\r\n\r\n%2\r\n\r\n"
                            "The Ads are still shown from where they were shown before.\r\n")
                 .arg(failed.size())
                 .arg(failed.join(QStringLiteral("\r\n"))));
    QCOMPARE(shown.back().icon, MessageIcon::Critical);

    // The earlier copy is whole, nothing half-written is left, and the viewer stays with the disc.
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe01.jpg"))), QByteArray("an earlier copy"));
    const bool goodArrived = !failed.contains(QStringLiteral("53kxpe00.jpg"));
    const QStringList left =
        goodArrived ? QStringList{"53kxpe00.jpg", "53kxpe01.jpg"} : QStringList{"53kxpe01.jpg"};
    QCOMPARE(CopyFixture::entries(f->copyAds()), left);
    if (goodArrived)
        QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe00.jpg"))), good);
    QCOMPARE(CopyFixture::entries(f->fake.folders.localCopyFolder()), QStringList{"ads"});
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));
    QVERIFY(!f->window().pnlProgress->isVisible());
    QVERIFY(f->idle());
}

void CopyTest::aSecondCopyReadsOnlyOrdinaryFilesOfTheDisc() {
    // The list comes from the earlier copy, which the viewer reads; the files come from the disc, where one
    // is missing and another is a FIFO, which would never give a byte.
    for (const char* name : {"01kxpe00.jpg", "53kxpe01.jpg", "53kxpe02.jpg"})
        f->write(f->copyAds(QString::fromLatin1(name)), "an earlier copy");
    f->write(f->cdAds(QStringLiteral("01kxpe00.jpg")), CopyFixture::content(30'000, 1));
    QCOMPARE(::mkfifo(QFile::encodeName(f->cdAds(QStringLiteral("53kxpe01.jpg"))).constData(), 0600), 0);
    f->start();
    QCOMPARE(f->state().location.AdRoot, f->fake.folders.localCopyFolder());
    f->boxes.answer({Reply::Ok, Reply::Ok, Reply::Ok});
    f->copy();

    const std::vector<platform::MessageBoxRequest>& shown = f->boxes.shown();
    QCOMPARE(int(shown.size()), 3);
    QCOMPARE(shown[0].text,
             f->cdAds(QStringLiteral("53kxpe01.jpg")) + QStringLiteral(" is not an ordinary file."));
    QCOMPARE(shown[1].text, QString::fromLocal8Bit(std::strerror(ENOENT)));
    QCOMPARE(shown[2].text,
             QStringLiteral("2 of 3 Ads could not be copied:\r\n\r\n53kxpe01.jpg\r\n53kxpe02.jpg\r\n\r\n"
                            "The Ads are still shown from where they were shown before.\r\n"));
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("01kxpe00.jpg"))), CopyFixture::content(30'000, 1));
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe01.jpg"))), QByteArray("an earlier copy"));
    QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("53kxpe02.jpg"))), QByteArray("an earlier copy"));
    QCOMPARE(CopyFixture::entries(f->copyAds()),
             (QStringList{"01kxpe00.jpg", "53kxpe01.jpg", "53kxpe02.jpg"}));
    QCOMPARE(f->state().location.AdRoot, f->fake.folders.localCopyFolder());
    QVERIFY(f->idle());
}

void CopyTest::emptyFolderCopiesNothingAndSucceeds() {
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    QVERIFY(QFile::remove(f->cdAds(QStringLiteral("53kxpe00.jpg"))));
    f->state().catalog.AdFileList = {QStringLiteral("D:\\Ads\\stale.jpg")};
    f->state().catalog.AdFileCount = 1;
    f->boxes.expect(Reply::Ok);
    f->copy();
    QCOMPARE(f->boxes.last().text, Success);
    QCOMPARE(f->state().catalog.AdFileCount, 0);
    QVERIFY(f->state().catalog.AdFileList.isEmpty());
    QVERIFY(CopyFixture::entries(f->copyAds()).isEmpty());
    QVERIFY(f->idle());
}

void CopyTest::failedListing_data() {
    QTest::addColumn<int>("reply");
    QTest::newRow("Retry after the disc is back") << Reply::Retry;
    QTest::newRow("Cancel") << Reply::Cancel;
}

void CopyTest::failedListing() {
    QFETCH(int, reply);
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
    f->start();
    QVERIFY(QDir(f->cdAds()).removeRecursively());
    f->boxes.expect(reply);
    if (reply == Reply::Retry)
        f->boxes.expect(Reply::Ok);
    f->boxes.onShow = [&] {
        if (f->boxes.shown().empty())
            f->write(f->cdAds(QStringLiteral("70kxpe00.jpg")), "back");
    };
    f->copy();

    const platform::MessageBoxRequest& report = f->boxes.shown().front();
    QCOMPARE(report.text,
             QStringLiteral("Error number: VA001\r\n\r\nUnable to detect Vantor Ads - The Marketing "
                            "of Roadmark CD-ROM.\r\n\r\nMake sure that CD is in CDROM drive."));
    QCOMPARE(report.buttons, MessageButtons::RetryCancel);
    QCOMPARE(f->fake.programExit.ended(), reply == Reply::Cancel);
    if (reply == Reply::Retry) {
        QCOMPARE(f->state().catalog.AdFileList, QStringList{"D:\\Ads\\70kxpe00.jpg"});
        QCOMPARE(f->boxes.last().text, Success);
        QCOMPARE(CopyFixture::read(f->copyAds(QStringLiteral("70kxpe00.jpg"))), QByteArray("back"));
    } else {
        QCOMPARE(f->state().report.MessageReply, QStringLiteral("2"));
        QVERIFY(!QFileInfo::exists(f->copyAds()));
    }
}

void CopyTest::viewerReadsTheCopyWithoutTheDisc() {
    QString error;
    QVERIFY(samplecatalog::writeAdJpeg(f->cdAds(QStringLiteral("53kxpe00.jpg")), 60, 80,
                                       QStringLiteral("53kxpe00.jpg"), Qt::darkRed, &error));
    f->start();
    f->boxes.expect(Reply::Ok);
    f->copy();
    QCOMPARE(f->boxes.last().text, Success);

    f->fake.paths.setDrives({}); // the disc is taken out
    QRadioButton* vantor = f->window().optParent[0];
    QTest::mouseClick(vantor, Qt::LeftButton, {}, QPoint(6, vantor->height() / 2));
    QCOMPARE(f->state().shown.DocumentTitle,
             f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\53kxpe00.jpg"));
    QVERIFY(!f->window().Image1->picture().isNull());
    QCOMPARE(int(f->boxes.shown().size()), 1);
}

QTEST_MAIN(CopyTest)
#include "CopyTest.moc"
