#include "support/StartUpFixture.h"

#include "ui/Form1.h"
#include "ui/SSCommand.h"

#include <QRadioButton>

// Choosing a category on the real main window, with real ad files on a fake disc.
class CategoryTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void vantorEnablesEveryYearAndMarksTwo();
    void otherCategoriesEnableYearsWithAFirstAd_data();
    void otherCategoriesEnableYearsWithAFirstAd();
    void switchingCategoryDisablesWhatTheNewOneLacks();
    void missingAdsFolderEnablesNothing();

private:
    QList<int> enabledButtons() const;
    void click(int option);

    std::unique_ptr<StartUpFixture> f;
};

void CategoryTest::init() {
    f = std::make_unique<StartUpFixture>();
    for (const char* name : {"53kxpe00.jpg", "53pekx00.jpg", "55pekx00.jpg", "76pekx00.jpg", "82pekx00.jpg",
                             "84pekx00.jpg", "100pekx00.jpg", "00pekx00.jpg", "01pekx00.jpg", "62pepe00.jpg",
                             "63PEPE00.JPG", "65pepe01.jpg", "67peto00.jpg", "69peto00.jpg"})
        f->writeAd(QStringLiteral("cd/ads/") + QString::fromLatin1(name));
    f->setDrive('D', "cd");
    f->startPastSplash();
    QVERIFY(f->program().mainWindow().isVisible());
}

void CategoryTest::cleanup() {
    f.reset();
}

QList<int> CategoryTest::enabledButtons() const {
    QList<int> enabled;
    for (int i = 0; i < catalog::YearButtonCount; ++i)
        if (f->program().mainWindow().cmdYear[size_t(i)]->isEnabled())
            enabled << i;
    return enabled;
}

void CategoryTest::click(int option) {
    QRadioButton* button = f->program().mainWindow().optParent[size_t(option)];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void CategoryTest::vantorEnablesEveryYearAndMarksTwo() {
    click(1);
    click(0);
    ui::Form1& window = f->program().mainWindow();
    QCOMPARE(f->program().state().catalog.CategoryKey, QStringLiteral("vantor"));
    QCOMPARE(enabledButtons().size(), 50);
    QCOMPARE(window.cmdYear[23]->caption(), QStringLiteral(" 1976*"));
    QCOMPARE(window.cmdYear[42]->caption(), QStringLiteral(" 1996*"));
    QCOMPARE(window.cmdYear[0]->caption(), QStringLiteral("1953"));
}

void CategoryTest::otherCategoriesEnableYearsWithAFirstAd_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("enabled");
    // kx: 1953, 1955, 1976, 1982 (29), 1984 (30) and 2000 through "100pekx00.jpg"; "00pekx00.jpg" and
    // "01pekx00.jpg" enable nothing.
    QTest::newRow("w/KX") << 1 << "kx" << QList<int>{0, 2, 23, 29, 30, 46};
    // pe: 1962 (9), 1963 from an upper-case name (10); 1965 has no ad number 00.
    QTest::newRow("w/Pellion") << 2 << "pe" << QList<int>{9, 10};
    QTest::newRow("w/Tolvin") << 3 << "to" << QList<int>{14, 16};
}

void CategoryTest::otherCategoriesEnableYearsWithAFirstAd() {
    QFETCH(int, option);
    QFETCH(QString, key);
    QFETCH(QList<int>, enabled);
    click(option);
    ui::Form1& window = f->program().mainWindow();
    QCOMPARE(f->program().state().catalog.CategoryKey, key);
    QCOMPARE(enabledButtons(), enabled);
    QCOMPARE(window.cmdYear[23]->caption(), QStringLiteral("1976"));
    QCOMPARE(window.cmdYear[42]->caption(), QStringLiteral("1996"));
}

void CategoryTest::switchingCategoryDisablesWhatTheNewOneLacks() {
    click(0);
    QCOMPARE(enabledButtons().size(), 50);
    click(3);
    QCOMPARE(enabledButtons(), (QList<int>{14, 16}));
    click(2);
    QCOMPARE(enabledButtons(), (QList<int>{9, 10}));
}

void CategoryTest::missingAdsFolderEnablesNothing() {
    f->program().state().location.AdRoot = f->fake().root() + QStringLiteral("/gone");
    // Each category then shows its first year, whose ad is gone too: the drive report, answered Retry.
    f->fake().messageBoxes.answer({platform::Reply::Retry, platform::Reply::Retry});
    click(1);
    QVERIFY(enabledButtons().isEmpty());
    click(0);
    QCOMPARE(enabledButtons().size(), 50);
    QCOMPARE(f->fake().messageBoxes.pendingReplies(), 0);
}

QTEST_MAIN(CategoryTest)
#include "CategoryTest.moc"
