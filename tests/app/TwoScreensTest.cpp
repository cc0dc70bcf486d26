#include "support/StartUpFixture.h"

#include "platform/desktop/SystemScreen.h"
#include "ui/Form1.h"

// The main window on a desktop of two screens (the primary 800 x 600, a second 1024 x 768 right of it),
// placed from the settings through the real screens.
class TwoScreensTest : public QObject {
    Q_OBJECT
private slots:
    void storedPlace_data();
    void storedPlace();
};

void TwoScreensTest::storedPlace_data() {
    QTest::addColumn<QPoint>("stored"); // pixels
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("closed on the second screen") << QPoint(1000, 100) << QPoint(1000, 100);
    QTest::newRow("off both screens") << QPoint(3000, 100) << QPoint(400, 100);
}

void TwoScreensTest::storedPlace() {
    QFETCH(QPoint, stored);
    QFETCH(QPoint, expected);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    platform::MemorySettingsStore& settings = f.fake().settings;
    settings.preset("Settings", "MainLeft", QString::number(stored.x() * 15));
    settings.preset("Settings", "MainTop", QString::number(stored.y() * 15));
    settings.preset("Settings", "MainWidth", "6000");
    settings.preset("Settings", "MainHeight", "4500");
    platform::SystemScreen screen;
    platform::Services& s = f.fake().services();
    platform::Services services{s.messageBoxes, s.drives, s.paths,  s.fileLister,  s.folders,       s.files,
                                s.settings,     screen,   s.cursor, s.taskBar,     s.instanceGuard, s.printer,
                                s.clipboard,    s.shell,  s.clock,  s.programExit, s.sessionEnd};
    program::Program program(services, {});
    program.start();
    program.startUp().finishSplash();
    QCOMPARE(program.mainWindow().frameGeometry(), QRect(expected, QSize(400, 300)));
}

QTEST_MAIN(TwoScreensTest)
#include "TwoScreensTest.moc"
