#include "support/StartUpFixture.h"

#include "app/StatusClock.h"
#include "ui/Form1.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QTimer>

using Write = platform::MemorySettingsStore::Write;

// The window's place and size kept across starts, the status clock, the task-bar command and closing,
// through the real main window.
class WindowSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void placeAndSizeAreKeptAcrossStarts_data();
    void placeAndSizeAreKeptAcrossStarts();
    void settingsThatCannotBeWrittenDoNotStopTheEnd();
    void theEndOfTheSessionClosesLikeExit();
    void clockCaptions_data();
    void clockCaptions();
    void clockRunsOnTheStatusStrip();
    void taskBarCommand();

private:
    std::unique_ptr<StartUpFixture> f;
};

void WindowSettingsTest::init() {
    f = std::make_unique<StartUpFixture>();
    f->writeAd("cd/ads/53kxpe00.jpg");
    f->setDrive('D', "cd");
}

void WindowSettingsTest::placeAndSizeAreKeptAcrossStarts_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("screen800x600");
    QTest::newRow("normal") << "normal" << true;
    QTest::newRow("maximized") << "maximized" << true;
    QTest::newRow("minimized") << "minimized" << true;
    QTest::newRow("1024 x 768: size stored, not read") << "normal" << false;
}

void WindowSettingsTest::placeAndSizeAreKeptAcrossStarts() {
    QFETCH(QString, state);
    QFETCH(bool, screen800x600);
    if (!screen800x600)
        f->fake().screen.setTwips(15360, 11520);
    ui::Form1& first = f->startPastSplash().mainWindow();
    first.setGeometry(40, 30, 600, 420);
    QTRY_COMPARE(first.geometry(), QRect(40, 30, 600, 420));
    if (state == QLatin1String("maximized"))
        first.showMaximized();
    if (state == QLatin1String("minimized"))
        first.showMinimized();
    QTRY_VERIFY(state == QLatin1String("normal") || first.windowState() != Qt::WindowNoState);
    const QRect frame = first.frameGeometry();
    first.mnuExit->trigger();
    QVERIFY(!first.isVisible());
    QVERIFY(f->fake().programExit.ended());

    const std::vector<Write>& writes = f->fake().settings.writes();
    if (state == QLatin1String("minimized")) {
        QVERIFY(writes.empty());
        return;
    }
    auto twips = [](int pixels) { return QString::number(pixels * 15); };
    const QString s = QStringLiteral("Settings");
    QCOMPARE(writes, (std::vector<Write>{{s, "MainLeft", twips(frame.left())},
                                         {s, "MainTop", twips(frame.top())},
                                         {s, "MainWidth", twips(frame.width())},
                                         {s, "MainHeight", twips(frame.height())}}));

    program::Program second(f->fake().services(), {});
    second.start();
    second.startUp().finishSplash();
    const QRect reopened = second.mainWindow().frameGeometry();
    QCOMPARE(reopened.topLeft(), frame.topLeft());
    if (screen800x600)
        QCOMPARE(reopened.size(), frame.size());
    else
        QCOMPARE(reopened.size(), QSize(806, 613)); // fitted to the ad, whatever was stored
}

void WindowSettingsTest::settingsThatCannotBeWrittenDoNotStopTheEnd() {
    ui::Form1& window = f->startPastSplash().mainWindow();
    f->fake().settings.setFailWrites(true);
    window.close();
    QVERIFY(f->fake().programExit.ended());
    QVERIFY(f->fake().settings.writes().empty());
}

void WindowSettingsTest::theEndOfTheSessionClosesLikeExit() {
    // During the splash the window has no place yet to keep.
    f->start();
    emit f->fake().sessionEnd.endRequested();
    QVERIFY(f->fake().programExit.ended());
    QVERIFY(f->fake().settings.writes().empty());
    init();

    ui::Form1& window = f->startPastSplash().mainWindow();
    emit f->fake().sessionEnd.endRequested();
    QVERIFY(!window.isVisible());
    QCOMPARE(f->fake().settings.writes().size(), 4u);
    QVERIFY(f->fake().programExit.ended());
    QCOMPARE(f->fake().taskBar.calls().back(), (platform::RecordingTaskBar::Call{0, 1}));
}

void WindowSettingsTest::clockCaptions_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    const QDateTime lateEvening(QDate(1999, 12, 31), QTime(23, 59, 58));
    const QDateTime noon(QDate(2001, 7, 4), QTime(12, 5, 9));
    const QDateTime midnight(QDate(2001, 7, 4), QTime(0, 0, 1));
    QTest::newRow("en_US evening") << "en_US" << lateEvening << "Friday"
                                   << "12/31/99"
                                   << "11:59:58 pm";
    QTest::newRow("en_US noon") << "en_US" << noon << "Wednesday"
                                << "07/04/01"
                                << "12:05:09 pm";
    QTest::newRow("en_US midnight") << "en_US" << midnight << "Wednesday"
                                    << "07/04/01"
                                    << "12:00:01 am";
    QTest::newRow("de_DE evening") << "de_DE" << lateEvening << "Freitag"
                                   << "12.31.99"
                                   << "11:59:58 pm";
    // The date format holds a right-to-left mark before each separator.
    QTest::newRow("ar_EG evening") << "ar_EG" << lateEvening << "الجمعة"
                                   << "12/31/99"
                                   << "11:59:58 pm";
    // The weekday as a name on its own ("perjantai"), not as inside a sentence ("perjantaina").
    QTest::newRow("fi_FI evening") << "fi_FI" << lateEvening << "perjantai"
                                   << "12.31.99"
                                   << "11.59.58 pm";
}

void WindowSettingsTest::clockCaptions() {
    QFETCH(QString, locale);
    QFETCH(QDateTime, moment);
    const app::ClockCaptions captions = app::clockCaptions(moment, QLocale(locale));
    QTEST(captions.day, "day");
    QTEST(captions.date, "date");
    QTEST(captions.time, "time");
}

void WindowSettingsTest::clockRunsOnTheStatusStrip() {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ui::Form1& window = f->start().mainWindow();
    QCOMPARE(window.StatusDay->caption(), QStringLiteral("StatusDay"));
    QCOMPARE(window.Timer1->interval(), 100);
    QTRY_COMPARE(window.StatusTime->caption(), QStringLiteral("11:59:58 pm"));
    QCOMPARE(window.StatusDate->caption(), QStringLiteral("12/31/99"));
    QCOMPARE(window.StatusDay->caption(), QStringLiteral("Friday"));
    f->fake().clock.advanceSeconds(3);
    QTRY_COMPARE(window.StatusTime->caption(), QStringLiteral("12:00:01 am"));
    QCOMPARE(window.StatusDay->caption(), QStringLiteral("Saturday"));
}

void WindowSettingsTest::taskBarCommand() {
    ui::Form1& window = f->startPastSplash().mainWindow();
    QAction* command = window.mnuHideStatus;
    auto& bar = f->fake().taskBar;
    using Call = platform::RecordingTaskBar::Call;
    window.setGeometry(40, 30, 600, 420);
    QTRY_COMPARE(window.geometry(), QRect(40, 30, 600, 420));

    // Hiding fills the screen; the resize events that brings, however late, leave the task bar hidden.
    command->trigger();
    QCOMPARE(bar.calls().back(), (Call{0, 0}));
    QCOMPARE(command->text(), QStringLiteral("ShowStatusBar"));
    QTRY_COMPARE(window.frameGeometry(), QRect(0, 0, 800, 600));
    QTest::qWait(50);
    QCOMPARE(command->text(), QStringLiteral("ShowStatusBar"));

    // The user's own resize brings it back.
    window.resize(500, 400);
    QTRY_COMPARE(command->text(), QStringLiteral("HideStatusBar"));
    QCOMPARE(bar.calls().back(), (Call{0, 1}));

    // Choosing the command while it is hidden shows it again and keeps the window where it is.
    bar.setTrayHandle(42);
    command->trigger();
    QCOMPARE(bar.calls().back(), (Call{42, 0}));
    command->trigger();
    QCOMPARE(bar.calls().back(), (Call{42, 1}));
    QCOMPARE(command->text(), QStringLiteral("HideStatusBar"));

    // Closing shows it whatever its state.
    command->trigger();
    window.close();
    QCOMPARE(bar.calls().back(), (Call{42, 1}));
}

QTEST_MAIN(WindowSettingsTest)
#include "WindowSettingsTest.moc"
