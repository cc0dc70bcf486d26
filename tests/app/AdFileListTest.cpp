#include "ActingMessageBoxes.h"
#include "StartUpFixture.h"

#include "app/AdFileList.h"
#include "app/DriveReport.h"

using platform::MessageButtons;
namespace Reply = platform::Reply;

namespace {

const QString Va001Text = QStringLiteral(
    "Error number: VA001\r\n\r\nUnable to detect Vantor Ads - The Marketing of Roadmark CD-ROM.\r\n\r\n"
    "Make sure that CD is in CDROM drive.");

} // namespace

// The list of all ad files on real folders, with the drive report answered by script.
class AdFileListTest : public QObject {
    Q_OBJECT
private slots:
    void sortedFullPathsOfOrdinaryFiles();
    void emptyFolderGivesNoEntries();
    void retryListsAgainAfterTheDiscIsBack();
    void cancelGivesUp();
};

void AdFileListTest::sortedFullPathsOfOrdinaryFiles() {
    StartUpFixture f;
    f.writeAd("cd/ads/b.jpg");
    f.writeAd("cd/ads/A.jpg");
    f.writeAd("cd/ads/63kxpe00.jpg");
    f.folder("cd/ads/53kxpe00.jpg"); // a folder named like an ad is not listed
    f.setDrive('E', "cd");
    app::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    app::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(app::BuildAdFileList(state.catalog, state.location, state.report, f.fake().fileLister, reporter));
    QCOMPARE(state.catalog.AdFileList,
             (QStringList{"E:\\Ads\\63kxpe00.jpg", "E:\\Ads\\A.jpg", "E:\\Ads\\b.jpg"}));
    QCOMPARE(state.catalog.AdFileCount, 3);
    QCOMPARE(state.report.ErrorCode, QStringLiteral("VA001"));
    QVERIFY(f.fake().messageBoxes.shown().empty());
}

void AdFileListTest::emptyFolderGivesNoEntries() {
    StartUpFixture f;
    f.folder("cd/ads");
    f.setDrive('E', "cd");
    app::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    state.catalog.AdFileList = {QStringLiteral("stale")};
    app::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(app::BuildAdFileList(state.catalog, state.location, state.report, f.fake().fileLister, reporter));
    QVERIFY(state.catalog.AdFileList.isEmpty());
    QCOMPARE(state.catalog.AdFileCount, 0);
}

void AdFileListTest::retryListsAgainAfterTheDiscIsBack() {
    StartUpFixture f;
    f.setDrive('E', "cd"); // the drive is there, its ads folder is not
    ActingMessageBoxes boxes;
    boxes.expect(Reply::Retry);
    boxes.onShow = [&] { f.writeAd("cd/ads/70kxpe00.jpg"); };
    app::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    app::DriveErrorReporter reporter(state.report, boxes, f.fake().programExit);
    QVERIFY(app::BuildAdFileList(state.catalog, state.location, state.report, f.fake().fileLister, reporter));
    QCOMPARE(int(boxes.shown().size()), 1);
    QCOMPARE(boxes.last().text, Va001Text);
    QCOMPARE(boxes.last().buttons, MessageButtons::RetryCancel);
    QCOMPARE(state.catalog.AdFileList, QStringList{"E:\\Ads\\70kxpe00.jpg"});
}

void AdFileListTest::cancelGivesUp() {
    StartUpFixture f;
    f.fake().messageBoxes.expect(Reply::Cancel);
    app::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    app::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(
        !app::BuildAdFileList(state.catalog, state.location, state.report, f.fake().fileLister, reporter));
    QVERIFY(f.fake().programExit.ended());
    QCOMPARE(state.report.MessageReply, QStringLiteral("2"));
}

QTEST_MAIN(AdFileListTest)
#include "AdFileListTest.moc"
