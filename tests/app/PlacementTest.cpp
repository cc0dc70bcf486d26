#include "support/StartUpFixture.h"

#include "app/WindowPlacement.h"
#include "ui/Form1.h"

#include <QAction>

// Sizing and placing the main window at start, through the real window on fake screens and settings.
class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void sizing_data();
    void sizing();
    void badStoredValuesKeepTheWindowUsable_data();
    void badStoredValuesKeepTheWindowUsable();
    void storedNumbers_data();
    void storedNumbers();
    void placeOnConnectedScreens_data();
    void placeOnConnectedScreens();
};

namespace {

struct Stored {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
};

void store(platform::MemorySettingsStore& settings, const Stored& values) {
    auto put = [&](const char* key, const char* value) {
        if (value)
            settings.preset(QStringLiteral("Settings"), QString::fromLatin1(key), QString::fromLatin1(value));
    };
    put("MainLeft", values.left);
    put("MainTop", values.top);
    put("MainWidth", values.width);
    put("MainHeight", values.height);
}

} // namespace

void PlacementTest::sizing_data() {
    QTest::addColumn<double>("screenWidthTwips");
    QTest::addColumn<double>("screenHeightTwips");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QRect>("expected"); // pixels at 15 twips a pixel
    QTest::addColumn<bool>("taskBarCommandVisible");
    const Stored none{nullptr, nullptr, nullptr, nullptr};
    const Stored all{"1500", "750", "9000", "6000"};
    // 800 x 600 at 96 DPI is 12000 x 9000 twips: the stored size counts, or the whole screen.
    QTest::newRow("800x600, nothing stored") << 12000.0 << 9000.0 << none << QRect(0, 0, 800, 600) << true;
    QTest::newRow("800x600, all stored") << 12000.0 << 9000.0 << all << QRect(100, 50, 600, 400) << true;
    // Any other screen: 12085 x 9195 twips computed from the ad image and the number box, whatever is stored.
    QTest::newRow("800x601") << 12000.0 << 9015.0 << all << QRect(100, 50, 806, 613) << false;
    QTest::newRow("1024x768") << 15360.0 << 11520.0 << all << QRect(100, 50, 806, 613) << false;
    QTest::newRow("1024x768, nothing stored") << 15360.0 << 11520.0 << none << QRect(0, 0, 806, 613) << false;
    // 800 x 600 pixels at 120 DPI measure 9600 x 7200 twips: not the 800 x 600 of the program's own ratio.
    QTest::newRow("800x600 at 120 DPI") << 9600.0 << 7200.0 << none << QRect(0, 0, 806, 613) << false;
}

void PlacementTest::sizing() {
    QFETCH(double, screenWidthTwips);
    QFETCH(double, screenHeightTwips);
    QFETCH(Stored, stored);
    QFETCH(QRect, expected);
    QFETCH(bool, taskBarCommandVisible);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    f.fake().screen.setTwips(screenWidthTwips, screenHeightTwips);
    store(f.fake().settings, stored);
    ui::Form1& window = f.startPastSplash().mainWindow();
    QVERIFY(window.isVisible());
    QCOMPARE(window.frameGeometry(), expected);
    QCOMPARE(window.mnuHideStatus->isVisible(), taskBarCommandVisible);
    QVERIFY(f.fake().settings.writes().empty()); // settings are only read at start
}

void PlacementTest::badStoredValuesKeepTheWindowUsable_data() {
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QRect>("expected");
    // On the 800 x 600 screen; whatever is stored, the window opens at least partly on the screen at a
    // usable size.
    QTest::newRow("text") << Stored{"left", "top", "wide", "high"} << QRect(0, 0, 800, 600);
    QTest::newRow("huge") << Stored{"1e30", "9e9", "1e38", "5e37"} << QRect(0, 0, 800, 600);
    QTest::newRow("too large for a float") << Stored{"0", "0", "1e40", "1e40"} << QRect(0, 0, 800, 600);
    QTest::newRow("negative") << Stored{"-3000", "-60", "-9000", "-100"} << QRect(-200, -4, 800, 600);
    QTest::newRow("tiny") << Stored{"0", "0", "15", "15"} << QRect(0, 0, 800, 600);
    QTest::newRow("off the screen") << Stored{"90000", "90000", "6000", "4500"} << QRect(400, 300, 400, 300);
    QTest::newRow("blanks around numbers")
        << Stored{" 150 ", "300", " 9000", "6000 "} << QRect(10, 20, 600, 400);
}

void PlacementTest::badStoredValuesKeepTheWindowUsable() {
    QFETCH(Stored, stored);
    QFETCH(QRect, expected);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    store(f.fake().settings, stored);
    ui::Form1& window = f.startPastSplash().mainWindow();
    QCOMPARE(window.frameGeometry(), expected);
}

void PlacementTest::storedNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "12000" << true << 12000.0;
    QTest::newRow("decimals") << "1234.5" << true << 1234.5;
    QTest::newRow("negative") << "-60" << true << -60.0;
    QTest::newRow("blanks") << " 42 " << true << 42.0;
    QTest::newRow("text") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("beyond single precision") << "1e40" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
}

void PlacementTest::storedNumbers() {
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const std::optional<double> number = app::storedNumber(text);
    QCOMPARE(number.has_value(), readable);
    if (readable)
        QCOMPARE(*number, value);
}

void PlacementTest::placeOnConnectedScreens_data() {
    // Screens and places in pixels; the window stored as 400 x 300 pixels.
    QTest::addColumn<QList<QRect>>("screens"); // the primary first
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("expected");
    const QRect primary(0, 0, 800, 600);
    const QList<QRect> rightOf{primary, QRect(800, 0, 1024, 768)};
    QTest::newRow("on a screen right of the primary") << rightOf << QPoint(1000, 100) << QPoint(1000, 100);
    QTest::newRow("on a screen left of the primary")
        << QList<QRect>{primary, QRect(-1280, 0, 1280, 1024)} << QPoint(-1200, 500) << QPoint(-1200, 500);
    QTest::newRow("on a screen above the primary")
        << QList<QRect>{primary, QRect(0, -768, 1024, 768)} << QPoint(100, -700) << QPoint(100, -700);
    QTest::newRow("partly off the only screen")
        << QList<QRect>{primary} << QPoint(700, 500) << QPoint(700, 500);
    QTest::newRow("in the corner no screen covers") << rightOf << QPoint(100, 700) << QPoint(100, 300);
    QTest::newRow("off every screen") << rightOf << QPoint(5000, 100) << QPoint(400, 100);
    QTest::newRow("above and left of every screen") << rightOf << QPoint(-1000, -1000) << QPoint(0, 0);
    QTest::newRow("primary away from the origin")
        << QList<QRect>{QRect(1024, 0, 800, 600), QRect(0, 0, 1024, 768)} << QPoint(5000, 5000)
        << QPoint(1424, 300);
}

void PlacementTest::placeOnConnectedScreens() {
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, stored);
    QFETCH(QPoint, expected);
    app::PlacementInput input;
    input.screenIs800x600 = true;
    input.screenWidthTwips = 12000;
    input.screenHeightTwips = 9000;
    for (const QRect& screen : screens)
        input.screens.push_back(
            {screen.x() * 15.0, screen.y() * 15.0, screen.width() * 15.0, screen.height() * 15.0});
    input.stored = {QString::number(stored.x() * 15), QString::number(stored.y() * 15), "6000", "4500"};
    const app::TwipsGeometry placed = placeMainWindow(input).geometry;
    QCOMPARE(QPoint(int(placed.left / 15), int(placed.top / 15)), expected);
    QCOMPARE(QSize(int(placed.width / 15), int(placed.height / 15)), QSize(400, 300));
}

Q_DECLARE_METATYPE(Stored)
QTEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
