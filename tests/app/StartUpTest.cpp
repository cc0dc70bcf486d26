#include "support/StartUpFixture.h"

#include "app/StartUp.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

#include <QAction>
#include <QSignalSpy>
#include <QTimer>

#include <thread>

using platform::MessageButtons;
using platform::MessageIcon;
namespace Reply = platform::Reply;

namespace {

const QString Va002Text = QStringLiteral("Error number: VA002\r\n\r\nNo longer able to detect Vantor Ads - "
                                         "The Marketing of Roadmark CD-ROM.\r\n\r\n"
                                         "Make sure that CD is in CDROM drive.");

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void splashForThreeSecondsThenMainWindow();
    void secondInstanceIsTurnedAway();
    void programFolderSwitch();
    void programFolderSwitchNearMisses_data();
    void programFolderSwitchNearMisses();
    void localCopyWithDisc();
    void localCopyWithoutDiscStillAsksForTheDisc();
    void scanSkipsEmptyLettersAndFindsUpperCaseDisc();
    void driveWithAdsFolderButNoJpegIsSkipped();
    void retryFindsADiscMountedMeanwhile();
    void retryWaitsForASlowDrive();
    void cancelEndsWithoutMainWindow();
    void lockThatCannotBeMadeStartsAnyway();
};

void StartUpTest::splashForThreeSecondsThenMainWindow() {
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    program::Program& program = f.start();

    QVERIFY(program.splash().isVisible());
    QVERIFY(f.fake().cursor.isBusy());
    QVERIFY(!program.mainWindow().isVisible());
    QCOMPARE(program.splash().Timer1->interval(), 3000);
    QVERIFY(program.splash().Timer1->isActive());

    QSignalSpy shown(&program.startUp(), &app::StartUp::mainWindowShown);
    QVERIFY(shown.wait(6000));
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(!program.splash().isVisible());
    QVERIFY(!f.fake().cursor.isBusy());
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("D:"));
    QCOMPARE(program.state().location.AdRoot, QStringLiteral("D:"));
    QCOMPARE(program.state().view.ZoomState, QStringLiteral("1"));
    QVERIFY(program.state().catalog.CategoryKey.isEmpty());
    QVERIFY(f.fake().messageBoxes.shown().empty());
}

void StartUpTest::secondInstanceIsTurnedAway() {
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    f.fake().instanceGuard.setClaim(platform::InstanceClaim::heldByAnother());
    f.fake().messageBoxes.expect(Reply::Ok);
    program::Program& program = f.startPastSplash();

    QCOMPARE(int(f.fake().messageBoxes.shown().size()), 1);
    const platform::MessageBoxRequest& box = f.fake().messageBoxes.last();
    QCOMPARE(box.text, QStringLiteral("VantorAds is already running!"));
    QCOMPARE(box.title, QStringLiteral("VantorAds"));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(box.icon, MessageIcon::Critical);
    QVERIFY(box.systemModal);
    QVERIFY(f.fake().programExit.ended());
    QVERIFY(!program.mainWindow().isVisible());
    QVERIFY(program.state().location.DocRoot.isEmpty()); // no drive was looked at
    QVERIFY(f.fake().settings.writes().empty());
}

void StartUpTest::programFolderSwitch() {
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    program::Program& program = f.startPastSplash({QStringLiteral("HWI")});
    const QString programFolder = f.fake().folders.programFolder();
    QCOMPARE(program.state().location.AdRoot, programFolder);
    QCOMPARE(program.state().location.DocRoot, programFolder);
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(f.fake().messageBoxes.shown().empty());
}

void StartUpTest::programFolderSwitchNearMisses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("lower case") << QStringList{"hwi"};
    QTest::newRow("mixed case") << QStringList{"Hwi"};
    QTest::newRow("followed by more") << QStringList{"HWI", "x"};
    QTest::newRow("longer word") << QStringList{"HWIX"};
    QTest::newRow("with blank") << QStringList{"HWI "};
    QTest::newRow("a file that does not exist") << QStringList{"/nonexistent/catalog.iso"};
}

void StartUpTest::programFolderSwitchNearMisses() {
    QFETCH(QStringList, arguments);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('E', "cd");
    program::Program& program = f.startPastSplash(arguments);
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("E:"));
    QCOMPARE(program.state().location.AdRoot, QStringLiteral("E:"));
}

void StartUpTest::localCopyWithDisc() {
    StartUpFixture f;
    f.writeAd("data/VantorAds/ads/01kxpe00.jpg");
    f.writeAd("data/VantorAds/ads/53kxpe00.jpg");
    f.writeAd("data/VantorAds/ads.complete");
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('F', "cd");
    program::Program& program = f.startPastSplash();
    QCOMPARE(program.state().location.AdRoot, f.fake().folders.localCopyFolder());
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("F:"));
}

void StartUpTest::localCopyWithoutDiscStillAsksForTheDisc() {
    StartUpFixture f;
    f.writeAd("data/VantorAds/ads/01kxpe00.jpg");
    f.fake().messageBoxes.expect(Reply::Cancel);
    program::Program& program = f.startPastSplash();
    QCOMPARE(f.fake().messageBoxes.last().text, Va002Text);
    QVERIFY(f.fake().programExit.ended());
    QVERIFY(!program.mainWindow().isVisible());
}

void StartUpTest::scanSkipsEmptyLettersAndFindsUpperCaseDisc() {
    StartUpFixture f;
    // D: names a folder that does not exist, E: has no ads at all, F: is a disc with upper-case names.
    platform::DriveTable drives;
    drives.set('D', f.fake().root() + QStringLiteral("/nothing-here"));
    drives.set('E', f.folder("empty"));
    drives.set('F', f.folder("upper"));
    drives.set('G', f.folder("later"));
    f.fake().paths.setDrives(drives);
    f.writeAd("upper/ADS/63KXPE00.JPG");
    f.writeAd("later/ads/53kxpe00.jpg");
    program::Program& program = f.startPastSplash();
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("F:"));
    QVERIFY(f.fake().messageBoxes.shown().empty());
}

void StartUpTest::driveWithAdsFolderButNoJpegIsSkipped() {
    StartUpFixture f;
    QFile text(f.folder("notads/ads") + QStringLiteral("/readme.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no pictures here");
    text.close();
    f.folder("notads/ads/53kxpe00.jpg");    // a folder named like an ad is no ad
    f.writeAd("notads/ads/._53kxpe00.jpg"); // nor is a hidden file
    f.setDrive('D', "notads");
    f.writeAd("cd/ads/99kxpe00.jpg");
    f.setDrive('H', "cd");
    program::Program& program = f.startPastSplash();
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("H:"));
}

void StartUpTest::retryFindsADiscMountedMeanwhile() {
    StartUpFixture f;
    f.writeAd("cdrom/ads/70kxpe00.jpg");
    const QString system = QStringLiteral("/dev/sda1 / ext4 rw 0 0\nproc /proc proc rw 0 0\n");
    // The disc is mounted while the program asks for it: the second scan sees it.
    f.fake().mounts.script({system, system + "/dev/sr0 " + f.folder("cdrom") + " iso9660 ro 0 0\n"});
    f.fake().drives = platform::DriveSource(f.fake().mounts);
    f.fake().messageBoxes.expect(Reply::Retry);
    program::Program& program = f.startPastSplash();
    const auto& boxes = f.fake().messageBoxes;
    QCOMPARE(int(boxes.shown().size()), 1);
    QCOMPARE(boxes.last().text, Va002Text);
    QCOMPARE(boxes.last().title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(boxes.last().buttons, MessageButtons::RetryCancel);
    QCOMPARE(boxes.last().icon, MessageIcon::None);
    QCOMPARE(program.state().report.MessageReply, QStringLiteral("4"));
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("D:"));
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(!f.fake().programExit.ended());
}

void StartUpTest::retryWaitsForASlowDrive() {
    // Drive D: takes longer than the time bound to list its ads, as a disc spinning up does.
    StartUpFixture f(std::chrono::milliseconds(300),
                     [](const platform::PathResolver& paths, const QString& pattern) {
                         if (pattern.startsWith(QLatin1String("D:")))
                             std::this_thread::sleep_for(std::chrono::milliseconds(500));
                         return paths.list(pattern);
                     });
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    f.fake().messageBoxes.expect(Reply::Retry);
    program::Program& program = f.startPastSplash();
    // The first scan gave up on the drive; the Retry waited for the listing still running.
    QCOMPARE(int(f.fake().messageBoxes.shown().size()), 1);
    QCOMPARE(program.state().location.DocRoot, QStringLiteral("D:"));
    QVERIFY(program.mainWindow().isVisible());
}

void StartUpTest::cancelEndsWithoutMainWindow() {
    StartUpFixture f;
    f.fake().messageBoxes.expect(Reply::Cancel);
    program::Program& program = f.startPastSplash();
    QCOMPARE(program.state().report.ErrorCode, QStringLiteral("VA002"));
    QCOMPARE(program.state().report.MessageReply, QStringLiteral("2"));
    QVERIFY(f.fake().programExit.ended());
    QVERIFY(!program.mainWindow().isVisible());
    QVERIFY(f.fake().settings.writes().empty());
}

void StartUpTest::lockThatCannotBeMadeStartsAnyway() {
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    f.fake().instanceGuard.setClaim(platform::InstanceClaim::unavailable(
        QStringLiteral("cannot open /run/VantorAds.lock: Read-only file system")));
    QTest::ignoreMessage(QtWarningMsg, "VantorAds: starting without the single-instance lock: cannot open "
                                       "/run/VantorAds.lock: Read-only file system");
    program::Program& program = f.startPastSplash();
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(f.fake().messageBoxes.shown().empty());
    QVERIFY(!f.fake().programExit.ended());
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
