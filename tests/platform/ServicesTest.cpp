#include "platform/HugePages.h"
#include "platform/ThreadPriority.h"
#include "platform/desktop/ApplicationBusyCursor.h"
#include "platform/desktop/DesktopShell.h"
#include "platform/desktop/DesktopTaskBar.h"
#include "platform/desktop/IniSettingsStore.h"
#include "platform/desktop/LockFileInstanceGuard.h"
#include "platform/desktop/QtMessageBoxes.h"
#include "platform/desktop/SystemAppFolders.h"
#include "platform/desktop/SystemClipboard.h"
#include "platform/desktop/SystemPrinter.h"
#include "platform/desktop/SystemScreen.h"
#include "platform/desktop/UnixSignalSessionEnd.h"
#include "platform/doubles/FakeServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QMainWindow>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace platform;
using Outcome = InstanceClaim::Outcome;

class ServicesTest : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { openedUrls_.append(url); }

private slots:
    void taskBarIsTheMainWindowsFullScreenState();
    void terminationSignalsAskToEnd();
    void messageBoxMakeUp_data();
    void messageBoxMakeUp();
    void messageBoxReplies();
    void scriptedBoxesReplyInOrderAndRecord();
    void unscriptedBoxFailsTheTest();

    void settingsRoundTrip();
    void settingsPathThatIsNoFileHoldsNothing_data();
    void settingsPathThatIsNoFileHoldsNothing();
    void appFolders();

    void screenTwipsAt96Dpi();
    void twipsArithmetic();

    void busyCursorAlwaysReturnsToTheArrow();
    void guardRestoresOnEarlyReturnAndException();

    void instanceGuard();
    void lockTroubleIsNoOtherInstance_data();
    void lockTroubleIsNoOtherInstance();

    void printJobsToPdf();
    void printSetupCannotCutLaterPrints();

    void clipboardRoundTrip();
    void shellOpensAddresses();
    void onlyTheCallingThreadGivesWay();
    void hugePagesStartOnTheirBoundaryAndHoldEveryByte();

    void fakeServicesWorkInATemporaryFolder();

private:
    QList<QUrl> openedUrls_;
};

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

bool earlyReturn(BusyCursor& cursor, bool leaveEarly, int& workDone) {
    BusyCursorGuard guard(cursor);
    if (leaveEarly)
        return false;
    ++workDone;
    return true;
}

void throwing(BusyCursor& cursor) {
    BusyCursorGuard guard(cursor);
    throw std::runtime_error("copy failed");
}

} // namespace

void ServicesTest::messageBoxMakeUp_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("systemModal");
    QTest::addColumn<QList<int>>("standardButtons");
    QTest::addColumn<int>("qtIcon");
    QTest::newRow("retry/cancel, no icon")
        << int(MessageButtons::RetryCancel) << int(MessageIcon::None) << false
        << QList<int>{QMessageBox::Retry, QMessageBox::Cancel} << int(QMessageBox::NoIcon);
    QTest::newRow("yes/no question") << int(MessageButtons::YesNo) << int(MessageIcon::Question) << false
                                     << QList<int>{QMessageBox::Yes, QMessageBox::No}
                                     << int(QMessageBox::Question);
    QTest::newRow("ok exclamation") << int(MessageButtons::Ok) << int(MessageIcon::Exclamation) << false
                                    << QList<int>{QMessageBox::Ok} << int(QMessageBox::Warning);
    QTest::newRow("ok critical, system-modal")
        << int(MessageButtons::Ok) << int(MessageIcon::Critical) << true << QList<int>{QMessageBox::Ok}
        << int(QMessageBox::Critical);
}

void ServicesTest::messageBoxMakeUp() {
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(bool, systemModal);
    QFETCH(QList<int>, standardButtons);
    QFETCH(int, qtIcon);
    const MessageBoxRequest request{
        QStringLiteral("Error number: VA002\r\n\r\nMake sure <b>that</b> CD is in."),
        QStringLiteral("Vantor Ads - The Marketing of Roadmark"), MessageButtons(buttons), MessageIcon(icon),
        systemModal};
    const auto box = buildMessageBox(request, nullptr);
    QCOMPARE(box->text(), QStringLiteral("Error number: VA002\n\nMake sure <b>that</b> CD is in."));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->windowTitle(), request.title);
    QCOMPARE(int(box->icon()), qtIcon);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), systemModal);
    QList<int> shown;
    for (QAbstractButton* button : box->buttons())
        shown.append(int(box->standardButton(button)));
    std::sort(shown.begin(), shown.end());
    std::sort(standardButtons.begin(), standardButtons.end());
    QCOMPARE(shown, standardButtons);
    // Closing the box without a choice gives the harmless reply.
    QCOMPARE(replyForButton(box->standardButton(box->escapeButton()), request.buttons),
             harmlessReply(request.buttons));
}

void ServicesTest::messageBoxReplies() {
    QCOMPARE(replyForButton(QMessageBox::Ok, MessageButtons::Ok), 1);
    QCOMPARE(replyForButton(QMessageBox::Cancel, MessageButtons::RetryCancel), 2);
    QCOMPARE(replyForButton(QMessageBox::Retry, MessageButtons::RetryCancel), 4);
    QCOMPARE(replyForButton(QMessageBox::Yes, MessageButtons::YesNo), 6);
    QCOMPARE(replyForButton(QMessageBox::No, MessageButtons::YesNo), 7);
    QCOMPARE(replyForButton(QMessageBox::NoButton, MessageButtons::RetryCancel), Reply::Cancel);
    QCOMPARE(replyForButton(QMessageBox::NoButton, MessageButtons::YesNo), Reply::No);
    QCOMPARE(replyForButton(QMessageBox::NoButton, MessageButtons::Ok), Reply::Ok);
}

void ServicesTest::scriptedBoxesReplyInOrderAndRecord() {
    ScriptedMessageBoxes boxes;
    boxes.expect(Reply::Retry);
    boxes.answer({Reply::Cancel, Reply::Yes});
    QCOMPARE(boxes.pendingReplies(), 3);
    const MessageBoxRequest first{QStringLiteral("one"), QStringLiteral("T"), MessageButtons::RetryCancel,
                                  MessageIcon::None, false};
    const MessageBoxRequest third{QStringLiteral("three"), QStringLiteral("VantorAds"), MessageButtons::YesNo,
                                  MessageIcon::Question, true};
    QCOMPARE(boxes.show(first), Reply::Retry);
    QCOMPARE(boxes.show(first), Reply::Cancel);
    QCOMPARE(boxes.show(third), Reply::Yes);
    QCOMPARE(boxes.pendingReplies(), 0);
    QCOMPARE(boxes.shown().size(), std::size_t(3));
    QCOMPARE(boxes.shown()[0].text, QStringLiteral("one"));
    QCOMPARE(boxes.last().title, QStringLiteral("VantorAds"));
    QCOMPARE(boxes.last().buttons, MessageButtons::YesNo);
    QCOMPARE(boxes.last().icon, MessageIcon::Question);
    QVERIFY(boxes.last().systemModal);
    QCOMPARE(boxes.unexpectedBoxes(), 0);
}

void ServicesTest::unscriptedBoxFailsTheTest() {
    ScriptedMessageBoxes boxes;
    const MessageBoxRequest retry{QStringLiteral("No longer able to detect"), QStringLiteral("T"),
                                  MessageButtons::RetryCancel, MessageIcon::None, false};
    QEXPECT_FAIL("", "a box nobody scripted must fail the running test", Continue);
    const int reply = boxes.show(retry);
    QCOMPARE(reply, Reply::Cancel);
    QCOMPARE(boxes.unexpectedBoxes(), 1);
    QCOMPARE(boxes.shown().size(), std::size_t(1));
    QCOMPARE(boxes.last().text, retry.text);
}

void ServicesTest::settingsRoundTrip() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(!configHome.isEmpty() && !configHome.startsWith(QDir::homePath() + "/.config"),
             "the test must run with a configuration folder of its own");
    QFile::remove(configHome + "/VantorAds/VantorAds.ini");

    IniSettingsStore store;
    QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("MainLeft")), std::nullopt);
    QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1234.5")));
    QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("MainTop"), QStringLiteral("-15")));
    QVERIFY(store.write(QStringLiteral("Settings"), QStringLiteral("Odd"), QStringLiteral("a,b;c=d")));
    QVERIFY(QFile::exists(configHome + "/VantorAds/VantorAds.ini"));

    const IniSettingsStore again;
    QCOMPARE(again.read(QStringLiteral("Settings"), QStringLiteral("MainLeft")), QStringLiteral("1234.5"));
    QCOMPARE(again.read(QStringLiteral("Settings"), QStringLiteral("MainTop")), QStringLiteral("-15"));
    QCOMPARE(again.read(QStringLiteral("Settings"), QStringLiteral("Odd")), QStringLiteral("a,b;c=d"));
    QCOMPARE(again.read(QStringLiteral("Other"), QStringLiteral("MainLeft")), std::nullopt);

    // Where the settings cannot be written, the write says so and nothing is lost or left half-written.
    QVERIFY(QDir(configHome + "/VantorAds").removeRecursively());
    QFile blocker(configHome + "/VantorAds");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!store.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1")));
    QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("MainLeft")), std::nullopt);
    QVERIFY(QFileInfo(configHome + "/VantorAds").isFile());
    QFile::remove(configHome + "/VantorAds");
}

void ServicesTest::settingsPathThatIsNoFileHoldsNothing_data() {
    QTest::addColumn<bool>("fifo");
    QTest::newRow("FIFO") << true;
    QTest::newRow("link to /dev/zero") << false;
}

void ServicesTest::settingsPathThatIsNoFileHoldsNothing() {
    QFETCH(bool, fifo);
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/VantorAds";
    const QString ini = folder + "/VantorAds.ini";
    QFile::remove(ini);
    QVERIFY(QDir().mkpath(folder));
    if (fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ini));

    // Neither waits for a writer nor reads without end, and neither replaces what is there.
    IniSettingsStore store;
    QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("MainLeft")), std::nullopt);
    QVERIFY(!store.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("12")));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(ini).constData(), &info), 0);
    QVERIFY(fifo ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode));
    QVERIFY(QFile::remove(ini));
}

void ServicesTest::appFolders() {
    const SystemAppFolders folders;
    QCOMPARE(folders.programFolder(), QCoreApplication::applicationDirPath());
    QCOMPARE(folders.executableName(), QStringLiteral("tst_platform_services"));
    QCOMPARE(folders.localCopyFolder(), qEnvironmentVariable("XDG_DATA_HOME") + "/VantorAds");
    // A relative data folder is no data folder: the copy must not depend on where the program started.
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
    qputenv("XDG_DATA_HOME", "CI/Share");
    QCOMPARE(folders.localCopyFolder(), QDir::homePath() + "/.local/share/VantorAds");
}

void ServicesTest::screenTwipsAt96Dpi() {
    const SystemScreen screen;
    QCOMPARE(screen.widthTwips(), 12000.0);
    QCOMPARE(screen.heightTwips(), 9000.0);
}

void ServicesTest::twipsArithmetic() {
    QCOMPARE(pixelsToTwips(800, 96), 12000.0);
    QCOMPARE(pixelsToTwips(600, 120), 7200.0);
    QCOMPARE(pixelsToTwips(1, 144), 10.0);
    QCOMPARE(pixelsToTwips(1, 72), 20.0);
}

void ServicesTest::busyCursorAlwaysReturnsToTheArrow() {
    ApplicationBusyCursor cursor;
    cursor.setBusy();
    cursor.setBusy();
    cursor.setBusy();
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursor.setArrow();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    cursor.setArrow();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void ServicesTest::guardRestoresOnEarlyReturnAndException() {
    RecordingBusyCursor recorded;
    int workDone = 0;
    QVERIFY(!earlyReturn(recorded, true, workDone));
    QVERIFY(earlyReturn(recorded, false, workDone));
    QCOMPARE(workDone, 1);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, throwing(recorded));
    using C = RecordingBusyCursor::Change;
    QCOMPARE(recorded.changes(), (std::vector<C>{C::Busy, C::Arrow, C::Busy, C::Arrow, C::Busy, C::Arrow}));
    QVERIFY(!recorded.isBusy());

    ApplicationBusyCursor real;
    QVERIFY(!earlyReturn(real, true, workDone));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, throwing(real));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void ServicesTest::instanceGuard() {
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(QStringLiteral("VantorAds.lock"));
    LockFileInstanceGuard first(lockPath);
    QCOMPARE(first.tryAcquire().outcome, Outcome::Acquired);
    QCOMPARE(first.tryAcquire().outcome, Outcome::Acquired); // already ours
    LockFileInstanceGuard second(lockPath);
    QCOMPARE(second.tryAcquire().outcome, Outcome::HeldByAnother);
    first.release();
    QCOMPARE(second.tryAcquire().outcome, Outcome::Acquired);

    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QCOMPARE(LockFileInstanceGuard::defaultLockFilePath(),
             runtime.isEmpty() ? QDir::tempPath() + "/VantorAds.lock" : runtime + "/VantorAds.lock");
}

void ServicesTest::lockTroubleIsNoOtherInstance_data() {
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<int>("outcome");
    const int acquired = int(Outcome::Acquired);
    const int unavailable = int(Outcome::Unavailable);
    QTest::newRow("empty lock file") << "empty" << acquired;
    QTest::newRow("garbage in the lock file") << "garbage" << acquired;
    QTest::newRow("number of a process long gone") << "dead" << acquired;
    QTest::newRow("lock file left read-only") << "read-only file" << acquired;
    QTest::newRow("a folder in its place") << "folder" << unavailable;
    QTest::newRow("runtime folder missing") << "missing" << unavailable;
    // Root may write anywhere, so there the folder is no trouble at all.
    QTest::newRow("read-only runtime folder")
        << "read-only folder" << (::geteuid() == 0 ? acquired : unavailable);
}

void ServicesTest::lockTroubleIsNoOtherInstance() {
    QFETCH(QString, trouble);
    QFETCH(int, outcome);
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(runtime));
    const QString lockPath = runtime + QStringLiteral("/VantorAds.lock");
    auto writeLock = [&](const QByteArray& content) {
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
    };
    if (trouble == u"empty")
        writeLock({});
    else if (trouble == u"garbage")
        writeLock(QByteArray("\0\xff garbage\n", 11));
    else if (trouble == u"dead")
        writeLock("2147483647\nVantorAds\nsomehost\n");
    else if (trouble == u"read-only file") {
        writeLock("1\n");
        QVERIFY(QFile::setPermissions(lockPath, QFileDevice::ReadOwner));
    } else if (trouble == u"folder")
        QVERIFY(QDir().mkpath(lockPath));
    else if (trouble == u"missing")
        QVERIFY(QDir(runtime).removeRecursively());
    else if (trouble == u"read-only folder")
        QVERIFY(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    LockFileInstanceGuard guard(lockPath);
    const InstanceClaim claim = guard.tryAcquire();
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(int(claim.outcome), outcome);
    if (claim.outcome == Outcome::Unavailable) {
        QVERIFY2(claim.reason.contains(lockPath), qPrintable(claim.reason));
        return;
    }
    // Taken over, and held: a second instance is turned away.
    LockFileInstanceGuard second(lockPath);
    QCOMPARE(second.tryAcquire().outcome, Outcome::HeldByAnother);
}

void ServicesTest::printJobsToPdf() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    SystemPrinter printer(pdf);
    printer.printer().setPageSize(QPageSize(QPageSize::Letter));
    printer.printer().setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.25), QPageLayout::Inch);
    {
        StartedJob started = printer.start();
        QVERIFY2(started.status.ok, qPrintable(started.status.error));
        const PageGeometry page = started.job->page();
        QCOMPARE(page.paperWidth, 8.5 * 1440);
        QCOMPARE(page.paperHeight, 11.0 * 1440);
        QCOMPARE(page.printableLeft, 0.5 * 1440);
        QCOMPARE(page.printableTop, 0.25 * 1440);
        QCOMPARE(page.printableWidth, 7.5 * 1440);
        QCOMPARE(started.job->devicePixelsPerTwip(), printer.printer().resolution() / 1440.0);
        started.job->painter().drawText(100, 100, QStringLiteral("first"));
        QVERIFY(started.job->newPage().ok);
        started.job->painter().drawText(100, 100, QStringLiteral("second"));
        QVERIFY(started.job->finish().ok);
    }
    QCOMPARE(pdfPageCount(pdf), 2);

    // A job given up before it is finished leaves nothing behind.
    QFile::remove(pdf);
    {
        StartedJob started = printer.start();
        QVERIFY(started.status.ok);
        started.job->painter().drawText(100, 100, QStringLiteral("dropped"));
    }
    QVERIFY(!QFile::exists(pdf) || pdfPageCount(pdf) <= 0);

    SystemPrinter unwritable(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    QVERIFY(!unwritable.start().status.ok);
}

void ServicesTest::printSetupCannotCutLaterPrints() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    SystemPrinter printer(pdf);
    // The dialog offers no number fields: no copies, no pages from and to.
    const std::unique_ptr<QPrintDialog> dialog = printer.setupDialog(nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Setup"));
    for (const QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
        QVERIFY(tabs->count() > 0);
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY2(!tabs->widget(i)->findChild<QSpinBox*>(), qPrintable(tabs->tabText(i)));
    }
    // Whatever a dialog left on the printer, the next job prints everything once.
    printer.printer().setPrintRange(QPrinter::PageRange);
    printer.printer().setFromTo(2, 2);
    printer.printer().setCopyCount(3);
    StartedJob started = printer.start();
    QVERIFY(started.status.ok);
    QCOMPARE(printer.printer().printRange(), QPrinter::AllPages);
    QVERIFY(printer.printer().pageRanges().isEmpty());
    QCOMPARE(printer.printer().copyCount(), 1);
    QVERIFY(started.job->finish().ok);
}

void ServicesTest::clipboardRoundTrip() {
    QGuiApplication::clipboard()->setText(QStringLiteral("old text"));
    QImage ad(120, 80, QImage::Format_RGB32);
    ad.fill(Qt::green);
    SystemClipboard clipboard;
    QVERIFY(clipboard.setImage(ad));
    const QMimeData* content = QGuiApplication::clipboard()->mimeData();
    QVERIFY(content->hasImage());
    QVERIFY(!content->hasText());
    QCOMPARE(QGuiApplication::clipboard()->image().size(), ad.size());
    QCOMPARE(QGuiApplication::clipboard()->image().pixelColor(5, 5), QColor(Qt::green));
    QVERIFY(!clipboard.setImage(QImage()));
}

void ServicesTest::shellOpensAddresses() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    DesktopShell shell;
    QVERIFY(shell.openWebAddress(QStringLiteral("www.example.com/register")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(openedUrls_, QList<QUrl>{QUrl(QStringLiteral("http://www.example.com/register"))});
}

void ServicesTest::fakeServicesWorkInATemporaryFolder() {
    FakeServices fake;
    Services& services = fake.services();
    QVERIFY(QFileInfo(services.folders.programFolder()).isDir());
    QVERIFY(QFileInfo(services.folders.localCopyFolder()).isDir());
    QVERIFY(services.folders.localCopyFolder().startsWith(fake.root()));

    const QString ads = services.folders.localCopyFolder() + "\\ads\\";
    QVERIFY(services.files.createFolder(ads).ok);
    {
        auto out = services.files.openWrite(ads + "01vantor00.jpg");
        QVERIFY(out.status.ok);
    }
    const auto listing =
        services.fileLister.list((services.folders.localCopyFolder() + "\\ads\\01*.jpg").toStdString());
    QVERIFY(listing.ok);
    QCOMPARE(listing.names, std::vector<std::string>{"01vantor00.jpg"});

    fake.files.setFreeSpace({true, 150'000, 1, 4096, {}});
    const FreeSpace space = services.files.freeSpace(services.folders.localCopyFolder());
    QCOMPARE(space.freeClusters, 150'000u);
    QCOMPARE(space.bytes(), 150'000ull * 4096);

    fake.taskBar.setTrayHandle(42);
    services.taskBar.showWindow(services.taskBar.findTrayWindow(), ShowCommand::Hide);
    QCOMPARE(fake.taskBar.calls(), (std::vector<RecordingTaskBar::Call>{{42, 0}}));

    services.settings.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("0"));
    QCOMPARE(fake.settings.writes().size(), std::size_t(1));

    fake.clock.set(QDateTime(QDate(2001, 3, 4), QTime(13, 5, 9)));
    QCOMPARE(services.clock.now().time(), QTime(13, 5, 9));
    fake.clock.advanceSeconds(1);
    QCOMPARE(services.clock.now().time(), QTime(13, 5, 10));

    services.programExit.endNow();
    QVERIFY(fake.programExit.ended());
    fake.instanceGuard.setClaim(InstanceClaim::heldByAnother());
    QCOMPARE(services.instanceGuard.tryAcquire().outcome, Outcome::HeldByAnother);
}

void ServicesTest::taskBarIsTheMainWindowsFullScreenState() {
    QMainWindow window;
    window.setGeometry(50, 40, 300, 200);
    window.show();
    DesktopTaskBar bar;
    QCOMPARE(bar.findTrayWindow(), quintptr(0)); // the offscreen platform has no full-screen windows
    const quintptr handle = quintptr(window.winId());
    bar.showWindow(handle, ShowCommand::Hide);
    QVERIFY(window.isFullScreen());
    bar.showWindow(handle, ShowCommand::ShowNormal);
    QVERIFY(!window.isFullScreen());
    QTRY_COMPARE(window.geometry(), QRect(50, 40, 300, 200));
    bar.showWindow(0, ShowCommand::Hide);
    QVERIFY(!window.isFullScreen());
}

void ServicesTest::terminationSignalsAskToEnd() {
    UnixSignalSessionEnd sessionEnd;
    QSignalSpy requested(&sessionEnd, &SessionEnd::endRequested);
    std::raise(SIGTERM);
    QVERIFY(requested.wait(5000));
    std::raise(SIGHUP);
    QVERIFY(requested.wait(5000));
}

void ServicesTest::onlyTheCallingThreadGivesWay() {
    const int before = ::getpriority(PRIO_PROCESS, ::gettid());
    if (before > 10)
        QSKIP("the test already runs below the priority the work ahead takes");
    int worker = before;
    std::thread([&] {
        lowerCurrentThreadPriority();
        worker = ::getpriority(PRIO_PROCESS, ::gettid());
    }).join();
    QCOMPARE(worker, 10);
    QCOMPARE(::getpriority(PRIO_PROCESS, ::gettid()), before);
}

void ServicesTest::hugePagesStartOnTheirBoundaryAndHoldEveryByte() {
    const std::size_t bytes = (std::size_t(9) << 20) + 123;
    auto* start = static_cast<unsigned char*>(platform::mapOnHugePages(bytes));
    QVERIFY(start);
    QCOMPARE(reinterpret_cast<std::uintptr_t>(start) % (std::uintptr_t(2) << 20), std::uintptr_t(0));
    start[0] = 1;
    start[bytes - 1] = 2;
    QCOMPARE(start[0] + start[bytes - 1], 3);
    platform::unmapHugePages(start, bytes);
}

QTEST_MAIN(ServicesTest)
#include "ServicesTest.moc"
