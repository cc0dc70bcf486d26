#include "platform/desktop/SystemScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace platform;

// Runs on an 800 x 600 screen at 120 DPI ("large fonts"): 12 twips a pixel.
class Screen120Test : public QObject {
    Q_OBJECT

private slots:
    void twipsFollowTheLogicalResolution() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        // Qt 6 may scale such a screen to 640 x 480 device-independent pixels at 96 DPI; the twips are the
        // same.
        QCOMPARE(screen->size().width() * 1440.0 / screen->logicalDotsPerInch(), 9600.0);
        const SystemScreen primary;
        QCOMPARE(primary.widthTwips(), 9600.0);
        QCOMPARE(primary.heightTwips(), 7200.0);
        QVERIFY(primary.widthTwips() != 800 * 15);
    }
};

QTEST_MAIN(Screen120Test)
#include "Screen120Test.moc"
