#include "../app/ActingMessageBoxes.h"
#include "../app/StartUpFixture.h"

#include "catalog/AdFileList.h"
#include "state/DriveReport.h"

using platform::MessageButtons;
namespace Reply = platform::Reply;

namespace {

const QString Va001Text = QStringLiteral(
    "Error number: VA001\r\n\r\nUnable to detect Vantor Ads - The Marketing of Roadmark CD-ROM.\r\n\r\n"
    "Make sure that CD is in CDROM drive.");

// The list as the copy command builds it: from the catalog's listing of the ads folder, with a failure
// reported as "VA001" and listed again after Retry.
bool buildList(state::ProgramState& state, const catalog::FileLister& lister,
               state::DriveErrorReporter& reporter) {
    state.report.ErrorCode = state::DiscNotFound;
    const auto paths = catalog::buildAdFileList(state.location.AdRoot.toStdString(), lister,
                                                [&reporter] { return reporter.ReportDriveError(); });
    if (!paths)
        return false;
    state.catalog.AdFileList.clear();
    for (const std::string& path : *paths)
        state.catalog.AdFileList << QString::fromStdString(path);
    state.catalog.AdFileCount = int(state.catalog.AdFileList.size());
    return true;
}

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
    f.folder("cd/ads/53kxpe00.jpg");    // a folder named like an ad is not listed
    f.writeAd("cd/ads/._63kxpe00.jpg"); // nor is a hidden file
    f.setDrive('E', "cd");
    state::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    state::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(buildList(state, f.fake().fileLister, reporter));
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
    state::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    state.catalog.AdFileList = {QStringLiteral("stale")};
    state::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(buildList(state, f.fake().fileLister, reporter));
    QVERIFY(state.catalog.AdFileList.isEmpty());
    QCOMPARE(state.catalog.AdFileCount, 0);
}

void AdFileListTest::retryListsAgainAfterTheDiscIsBack() {
    StartUpFixture f;
    f.setDrive('E', "cd"); // the drive is there, its ads folder is not
    ActingMessageBoxes boxes;
    boxes.expect(Reply::Retry);
    boxes.onShow = [&] { f.writeAd("cd/ads/70kxpe00.jpg"); };
    state::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    state::DriveErrorReporter reporter(state.report, boxes, f.fake().programExit);
    QVERIFY(buildList(state, f.fake().fileLister, reporter));
    QCOMPARE(int(boxes.shown().size()), 1);
    QCOMPARE(boxes.last().text, Va001Text);
    QCOMPARE(boxes.last().buttons, MessageButtons::RetryCancel);
    QCOMPARE(state.catalog.AdFileList, QStringList{"E:\\Ads\\70kxpe00.jpg"});
}

void AdFileListTest::cancelGivesUp() {
    StartUpFixture f;
    f.fake().messageBoxes.expect(Reply::Cancel);
    state::ProgramState state;
    state.location.AdRoot = QStringLiteral("E:");
    state::DriveErrorReporter reporter(state.report, f.fake().messageBoxes, f.fake().programExit);
    QVERIFY(!buildList(state, f.fake().fileLister, reporter));
    QVERIFY(f.fake().programExit.ended());
    QCOMPARE(state.report.MessageReply, QStringLiteral("2"));
}

QTEST_MAIN(AdFileListTest)
#include "AdFileListTest.moc"
