#include "support/ViewerFixture.h"

#include "ui/SpinButton.h"

#include <QLineEdit>
#include <QToolButton>

#include <thread>

// The disc answers its start-up scan, but every later listing of its ads folder fails or takes longer
// than the time bound (500 ms against 300 ms): the viewer then asks for each file instead.
class UnlistedDriveTest : public QObject {
    Q_OBJECT
private slots:
    void countEnablingAndSteppingAskForEachFile_data();
    void countEnablingAndSteppingAskForEachFile();
};

void UnlistedDriveTest::countEnablingAndSteppingAskForEachFile_data() {
    QTest::addColumn<bool>("slow");
    QTest::newRow("listing fails") << false;
    QTest::newRow("listing runs past its bound") << true;
}

void UnlistedDriveTest::countEnablingAndSteppingAskForEachFile() {
    QFETCH(bool, slow);
    auto discListings = std::make_shared<std::atomic<int>>(0);
    ViewerFixture f(std::chrono::milliseconds(300),
                    [discListings, slow](const platform::PathResolver& paths, const QString& pattern) {
                        if (!pattern.startsWith(QLatin1String("D:")) || discListings->fetch_add(1) == 0)
                            return paths.list(pattern);
                        if (!slow)
                            return platform::FolderListing{};
                        std::this_thread::sleep_for(std::chrono::milliseconds(500));
                        return paths.list(pattern);
                    });
    for (const char* name : {"53kxpe00.jpg", "63kxpe00.jpg", "63kxpe01.jpg", "63KXPE02.JPG", "53pekx00.jpg",
                             "63pekx00.jpg", "84pekx00.jpg"})
        f.writeAd(QString::fromLatin1(name));
    f.start();
    ui::Form1& w = f.window();

    f.clickYear(10);
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 3"));
    QTest::mouseClick(w.SpinButton1->upArrow(), Qt::LeftButton);
    QCOMPARE(w.Text1->text(), QStringLiteral("2 of 3"));

    f.clickCategory(1);
    QList<int> enabled;
    for (int i = 0; i < catalog::YearButtonCount; ++i)
        if (w.cmdYear[size_t(i)]->isEnabled())
            enabled << i;
    QCOMPARE(enabled, (QList<int>{0, 10, 30}));
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 1"));
    QVERIFY(f.idle());
    QCOMPARE(f.fake().messageBoxes.unexpectedBoxes(), 0);
}

QTEST_MAIN(UnlistedDriveTest)
#include "UnlistedDriveTest.moc"
