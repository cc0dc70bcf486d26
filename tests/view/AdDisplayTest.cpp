#include "support/ViewerFixture.h"

#include "ui/ImageBox.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QLineEdit>

#include <sys/stat.h>

namespace Reply = platform::Reply;

// Showing the first ad of a year through the real main window.
class AdDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsFirstAdInEveryViewWithOnePicture();
    void captionsNameCategoryAndYear_data();
    void captionsNameCategoryAndYear();
    void countsUpToTheHighestNumber_data();
    void countsUpToTheHighestNumber();
    void steppingControlsArePlaced();
    void starredYearsSaySorryAndChangeNothing_data();
    void starredYearsSaySorryAndChangeNothing();
    void starredCaptionOfKxShowsSeventySix();
    void focusMovesToTheCategorysNextYear_data();
    void focusMovesToTheCategorysNextYear();
    void keyPressesOnYearButtons();
    void unreadableFirstAdIsReported_data();
    void unreadableFirstAdIsReported();
    void cancelOnTheReportEndsTheProgram();
    void scrollMaximaFitTheLoadedAd();

private:
    std::unique_ptr<ViewerFixture> f;
};

void AdDisplayTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("53kxpe00.jpg"));
}

void AdDisplayTest::cleanup() {
    if (f)
        QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void AdDisplayTest::showsFirstAdInEveryViewWithOnePicture() {
    f->writeSolidAd(QStringLiteral("63kxpe00.jpg"), 120, 90, Qt::blue);
    // Disc mastering and transfer tools leave bytes after the end of the picture.
    f->writeBytes(QStringLiteral("63kxpe00.jpg"), f->readBytes(QStringLiteral("63kxpe00.jpg")) + "\r\n\x1A");
    f->start();
    f->clickYear(10);
    ui::Form1& w = f->window();
    QCOMPARE(w.PicSrc->size(), QSize(120, 90));
    QCOMPARE(w.PicSrc->picture().format(), QImage::Format_RGB32);
    // One decoded picture shared by all three views.
    QCOMPARE(w.picDest->picture().constBits(), w.PicSrc->picture().constBits());
    QCOMPARE(w.Image1->picture().constBits(), w.PicSrc->picture().constBits());
    const QColor centre = w.PicSrc->picture().pixelColor(5, 45);
    QVERIFY2(centre.blue() > 150 && centre.red() < 80, qPrintable(centre.name()));
    QCOMPARE(f->state().shown.DocumentTitle, QStringLiteral("D:\\ads\\63kxpe00.jpg"));
    QCOMPARE(f->state().shown.FirstAdPath, QStringLiteral("D:\\ads\\63kxpe00.jpg"));
    QCOMPARE(f->state().shown.YearText, QStringLiteral("63"));
    QCOMPARE(f->state().shown.ShownYearButton, 10);
    QCOMPARE(f->state().shown.AdNumber, 0);
    QCOMPARE(f->state().report.ErrorCode, QStringLiteral("VA002"));
    QVERIFY(w.Image1->isEnabled());
    QVERIFY(w.cmdZoom->isEnabled());
    QVERIFY(w.SSCommand4->isEnabled());
    QVERIFY(f->idle());
}

void AdDisplayTest::captionsNameCategoryAndYear_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("yearPanel");
    QTest::newRow("vantor") << 0 << "63kxpe00.jpg"
                            << " Vantor 1963 Ad"
                            << "1963 ";
    QTest::newRow("kx") << 1 << "63pekx00.jpg"
                        << " w/KX 1963 Ad"
                        << "1963 ";
    QTest::newRow("pe") << 2 << "63pepe00.jpg"
                        << " w/Pellion 1963 Ad"
                        << "1963 ";
    QTest::newRow("to") << 3 << "63peto00.jpg"
                        << " w/Tolvin 1963 Ad"
                        << "1963 ";
}

void AdDisplayTest::captionsNameCategoryAndYear() {
    QFETCH(int, option);
    QFETCH(QString, file);
    QFETCH(QString, parent);
    QFETCH(QString, yearPanel);
    for (const char* first : {"53pekx00.jpg", "62pepe00.jpg", "67peto00.jpg"})
        f->writeAd(QString::fromLatin1(first));
    f->writeAd(file);
    f->start();
    f->clickCategory(option);
    f->window().cmdYear[10]->setEnabled(true);
    f->clickYear(10);
    QCOMPARE(f->window().panParent->caption(), parent);
    QCOMPARE(f->window().panText3->caption(), yearPanel);
    QCOMPARE(f->state().shown.DocumentTitle, QStringLiteral("D:\\ads\\") + file);
}

void AdDisplayTest::countsUpToTheHighestNumber_data() {
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("counter");
    QTest::newRow("00 01 02") << QStringList{"00", "01", "02"} << "1 of 3";
    QTest::newRow("00 02") << QStringList{"00", "02"} << "1 of 3";
    QTest::newRow("single") << QStringList{"00"} << "1 of 1";
    QTest::newRow("up to 100") << QStringList{"00", "09", "10", "100"} << "1 of 101";
    QTest::newRow("101 is never looked for") << QStringList{"00", "05", "101"} << "1 of 6";
}

void AdDisplayTest::countsUpToTheHighestNumber() {
    QFETCH(QStringList, numbers);
    QFETCH(QString, counter);
    for (const QString& n : numbers)
        f->writeAd(QStringLiteral("63kxpe%1.jpg").arg(n));
    f->start();
    f->clickYear(10);
    QCOMPARE(f->window().Text1->text(), counter);
    QCOMPARE(f->state().shown.AdCount, counter.mid(5).toInt());
    QVERIFY(f->window().Text1->isVisible());
    QVERIFY(f->window().SpinButton1->isVisible());
}

void AdDisplayTest::steppingControlsArePlaced() {
    f->start();
    f->clickYear(0);
    ui::Form1& w = f->window();
    // Image1 at 328: spin at 331 (57 wide), counter at 331 + 57 + 1, year panel 2 right of the counter.
    QCOMPARE(w.SpinButton1->geometry(), QRect(331, 528, 57, 24));
    QCOMPARE(w.Text1->geometry(), QRect(389, 528, 65, 25));
    QCOMPARE(w.panText3->geometry(), QRect(456, 528, 75, 25));
    QVERIFY(w.panText3->isVisible());
    QCOMPARE(w.panText3->caption(), QStringLiteral("1953 "));
}

void AdDisplayTest::starredYearsSaySorryAndChangeNothing_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<int>("focus");
    QTest::newRow("1976") << 23 << "1976"
                          << "97" << 24;
    QTest::newRow("1996") << 42 << "1996"
                          << "99" << 43;
}

void AdDisplayTest::starredYearsSaySorryAndChangeNothing() {
    QFETCH(int, button);
    QFETCH(QString, year);
    QFETCH(QString, yearText);
    QFETCH(int, focus);
    f->writeAd(QStringLiteral("63kxpe00.jpg"));
    f->writeAd(QStringLiteral("63kxpe01.jpg"));
    f->start();
    f->clickCategory(0);
    f->clickYear(10);
    const QImage before = f->window().PicSrc->picture();
    f->fake().messageBoxes.expect(Reply::Ok);
    f->clickYear(button);

    const platform::MessageBoxRequest& box = f->fake().messageBoxes.last();
    QCOMPARE(box.text,
             QStringLiteral("Sorry!\r\n\r\nHalvane did not advertise the Vantor in %1.\r\n").arg(year));
    QCOMPARE(box.title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(box.buttons, platform::MessageButtons::Ok);
    QCOMPARE(box.icon, platform::MessageIcon::Exclamation);
    QCOMPARE(f->state().shown.YearText, yearText);
    QCOMPARE(f->state().shown.ShownYearButton, 10);
    QCOMPARE(f->state().shown.DocumentTitle, QStringLiteral("D:\\ads\\63kxpe00.jpg"));
    QCOMPARE(f->state().shown.AdCount, 2);
    QCOMPARE(f->window().panParent->caption(), QStringLiteral(" Vantor 1963 Ad"));
    QCOMPARE(f->window().Text1->text(), QStringLiteral("1 of 2"));
    QCOMPARE(f->window().PicSrc->picture().constBits(), before.constBits());
    QCOMPARE(f->focusedYearButton(), focus);
    QVERIFY(f->idle());
}

void AdDisplayTest::starredCaptionOfKxShowsSeventySix() {
    f->writeAd(QStringLiteral("53pekx00.jpg"));
    f->writeAd(QStringLiteral("76pekx00.jpg"), 70, 50, Qt::green);
    f->start();
    f->clickCategory(1);
    f->clickYear(23);
    QCOMPARE(f->fake().messageBoxes.shown().size(), size_t(0));
    QCOMPARE(f->state().shown.DocumentTitle, QStringLiteral("D:\\ads\\76pekx00.jpg"));
    QCOMPARE(f->window().PicSrc->size(), QSize(70, 50));
    QCOMPARE(f->window().panParent->caption(), QStringLiteral(" w/KX 1976 Ad"));
}

void AdDisplayTest::focusMovesToTheCategorysNextYear_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("focus");
    QTest::newRow("vantor plain") << 0 << QStringList{"62kxpe00.jpg"} << 9 << 10;
    QTest::newRow("vantor wraps") << 0 << QStringList{"Rekxpe00.jpg"} << 49 << 0;
    QTest::newRow("vantor skips 1976") << 0 << QStringList{"75kxpe00.jpg"} << 22 << 24;
    QTest::newRow("vantor skips 1996") << 0 << QStringList{"95kxpe00.jpg"} << 41 << 43;
    QTest::newRow("kx 15 to 17") << 1 << QStringList{"53pekx00.jpg", "68pekx00.jpg", "70pekx00.jpg"} << 15
                                 << 17;
    QTest::newRow("kx 45 wraps to 1")
        << 1 << QStringList{"53pekx00.jpg", "54pekx00.jpg", "99pekx00.jpg"} << 45 << 1;
    QTest::newRow("kx disabled successor")
        << 1 << QStringList{"53pekx00.jpg", "63pekx00.jpg"} << 10 << 10; // 1964 has no ad: focus stays
    QTest::newRow("pe 13 wraps to 9") << 2 << QStringList{"62pepe00.jpg", "66pepe00.jpg"} << 13 << 9;
    QTest::newRow("pe 11 to 13") << 2 << QStringList{"62pepe00.jpg", "64pepe00.jpg", "66pepe00.jpg"} << 11
                                 << 13;
    QTest::newRow("to 18 wraps to 14") << 3 << QStringList{"67peto00.jpg", "71peto00.jpg"} << 18 << 14;
    QTest::newRow("to 16 to 18") << 3 << QStringList{"67peto00.jpg", "69peto00.jpg", "71peto00.jpg"} << 16
                                 << 18;
}

void AdDisplayTest::focusMovesToTheCategorysNextYear() {
    QFETCH(int, option);
    QFETCH(QStringList, files);
    QFETCH(int, button);
    QFETCH(int, focus);
    for (const QString& file : files)
        f->writeAd(file);
    f->start();
    f->clickCategory(option);
    f->window().cmdYear[size_t(button)]->setFocus();
    QTest::keyClick(f->window().cmdYear[size_t(button)], Qt::Key_A);
    QCOMPARE(f->state().shown.ShownYearButton, button);
    QCOMPARE(f->focusedYearButton(), focus);
}

void AdDisplayTest::keyPressesOnYearButtons() {
    for (const char* name :
         {"54kxpe00.jpg", "55kxpe00.jpg", "55kxpe01.jpg", "55kxpe02.jpg", "56kxpe00.jpg", "57kxpe00.jpg"})
        f->writeAd(QString::fromLatin1(name));
    f->start();
    f->clickCategory(0);
    ui::Form1& w = f->window();
    w.cmdYear[1]->setFocus();
    // A letter shows the focused button's year and moves on, so repeated presses walk through the years.
    QTest::keyClick(w.cmdYear[1], Qt::Key_X);
    QCOMPARE(f->state().shown.ShownYearButton, 1);
    QCOMPARE(f->focusedYearButton(), 2);
    QTest::keyClick(w.cmdYear[2], Qt::Key_X);
    QCOMPARE(f->state().shown.ShownYearButton, 2);
    QCOMPARE(w.Text1->text(), QStringLiteral("1 of 3"));
    QCOMPARE(f->focusedYearButton(), 3);

    // Full stop and comma step through the shown year and leave the focus on the button pressed.
    QTest::keyClick(w.cmdYear[3], Qt::Key_Period);
    QCOMPARE(w.Text1->text(), QStringLiteral("2 of 3"));
    QCOMPARE(f->state().shown.ShownYearButton, 2);
    QCOMPARE(f->focusedYearButton(), 3);
    QTest::keyClick(w.cmdYear[3], Qt::Key_Comma);
    QTest::keyClick(w.cmdYear[3], Qt::Key_Comma);
    QCOMPARE(w.Text1->text(), QStringLiteral("3 of 3"));
    QCOMPARE(f->focusedYearButton(), 3);
    QCOMPARE(f->state().shown.ShownYearButton, 2);

    // Space and keys without a code of their own show the year too, once, and press no button.
    QTest::keyClick(w.cmdYear[3], Qt::Key_Space);
    QCOMPARE(f->state().shown.ShownYearButton, 3);
    QCOMPARE(f->focusedYearButton(), 4);
    QVERIFY(!w.cmdYear[3]->isDown());
    QTest::keyClick(w.cmdYear[4], Qt::Key_Menu);
    QCOMPARE(f->state().shown.ShownYearButton, 4);
    QVERIFY(f->idle());
}

void AdDisplayTest::unreadableFirstAdIsReported_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a picture") << QByteArray("This is not a JPEG file.\xFF\xD9", 26) << true;
    QTest::newRow("truncated") << QByteArray() << true;
    QTest::newRow("declares 60000 x 60000") << QByteArray() << true;
    // Named like an ad, but reading them would wait for a writer or never end.
    QTest::newRow("FIFO") << QByteArray() << false;
    QTest::newRow("link to /dev/zero") << QByteArray() << false;
}

void AdDisplayTest::unreadableFirstAdIsReported() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    f->writeAd(QStringLiteral("63kxpe00.jpg"), 90, 60);
    f->writeAd(QStringLiteral("64kxpe01.jpg"));
    if (tag == QLatin1String("truncated")) {
        const QByteArray whole = f->readBytes(QStringLiteral("63kxpe00.jpg"));
        bytes = whole.left(whole.size() * 2 / 3);
    } else if (tag.startsWith(QLatin1String("declares"))) {
        bytes = f->readBytes(QStringLiteral("63kxpe00.jpg"));
        const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(sof > 0);
        for (int i : {5, 7}) { // height, then width: 60000 = 0xEA60
            bytes[sof + i] = char(0xEA);
            bytes[sof + i + 1] = char(0x60);
        }
    }
    if (exists)
        f->writeBytes(QStringLiteral("64kxpe00.jpg"), bytes);
    const QString path = f->adPath(QStringLiteral("64kxpe00.jpg"));
    if (tag == QLatin1String("FIFO"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (tag == QLatin1String("link to /dev/zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    f->start();
    f->clickYear(10);
    const QImage before = f->window().PicSrc->picture();

    f->fake().messageBoxes.expect(Reply::Retry);
    f->clickYear(11);
    const platform::MessageBoxRequest& box = f->fake().messageBoxes.last();
    QCOMPARE(box.text,
             QStringLiteral("Error number: VA002\r\n\r\nNo longer able to detect Vantor Ads - The Marketing "
                            "of Roadmark CD-ROM.\r\n\r\nMake sure that CD is in CDROM drive."));
    QCOMPARE(box.buttons, platform::MessageButtons::RetryCancel);
    QCOMPARE(f->state().report.MessageReply, QStringLiteral("4"));
    QVERIFY(!f->fake().programExit.ended());
    // The new year is named, the old picture stays, nothing offers stepping.
    QCOMPARE(f->window().panParent->caption(), QStringLiteral(" Vantor 1964 Ad"));
    QCOMPARE(f->state().shown.DocumentTitle, QStringLiteral("D:\\ads\\64kxpe00.jpg"));
    QCOMPARE(f->window().PicSrc->picture().constBits(), before.constBits());
    QVERIFY(!f->window().SpinButton1->isVisible());
    QVERIFY(!f->window().Text1->isVisible());
    QCOMPARE(f->state().shown.AdCount, 0);
    QCOMPARE(f->focusedYearButton(), 12);
    QVERIFY(f->idle());
}

void AdDisplayTest::cancelOnTheReportEndsTheProgram() {
    f->start();
    f->fake().messageBoxes.expect(Reply::Cancel);
    f->clickYear(10);
    QVERIFY(f->fake().programExit.ended());
    QCOMPARE(f->fake().messageBoxes.shown().size(), size_t(1));
    QVERIFY(f->focusedYearButton() != 11);
    QVERIFY(f->idle());
}

void AdDisplayTest::scrollMaximaFitTheLoadedAd() {
    f->writeAd(QStringLiteral("63kxpe00.jpg"), 1600, 1200);
    f->writeAd(QStringLiteral("64kxpe00.jpg"), 500, 300);
    f->start();
    f->clickYear(10);
    // Before the zoomed view was first shown the vertical bar still has its design height of 529.
    QCOMPARE(f->window().VScr->maximumValue(), 1200 - 529);
    QCOMPARE(f->window().HScroll1->maximumValue(), 1600 - 795);
    f->clickYear(11);
    QCOMPARE(f->window().VScr->maximumValue(), 300 - 529);
    QCOMPARE(f->window().HScroll1->maximumValue(), 500 - 795);
}

QTEST_MAIN(AdDisplayTest)
#include "AdDisplayTest.moc"
