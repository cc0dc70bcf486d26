#include "support/StartUpFixture.h"

#include "platform/desktop/QtMessageBoxes.h"
#include "ui/Form1.h"

#include <QAction>
#include <QLabel>

// "Check Screen Resolution Setting" on the real main window, with the screen's size given in twips.
class ResolutionCheckTest : public QObject {
    Q_OBJECT
private slots:
    void reportsTheScreen_data();
    void reportsTheScreen();
};

void ResolutionCheckTest::reportsTheScreen_data() {
    QTest::addColumn<double>("widthTwips");
    QTest::addColumn<double>("heightTwips");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("800 x 600") << 12000.0 << 9000.0 << "Your current screen resolution is set at 800x600.";
    QTest::newRow("800 x 600 at 120 DPI")
        << 9600.0 << 7200.0 << "Your current screen resolution is set at  640 by 480 pixles.";
    QTest::newRow("1024 x 768") << 15360.0 << 11520.0
                                << "Your current screen resolution is set at  1024 by 768 pixles.";
    QTest::newRow("1280 x 1024") << 19200.0 << 15360.0
                                 << "Your current screen resolution is set at  1280 by 1024 pixles.";
    QTest::newRow("twips that are not whole pixels")
        << 12800.0 << 9600.0 << "Your current screen resolution is set at  853.3333 by 640 pixles.";
}

void ResolutionCheckTest::reportsTheScreen() {
    QFETCH(double, widthTwips);
    QFETCH(double, heightTwips);
    QFETCH(QString, firstLine);
    StartUpFixture f;
    f.writeAd("cd/ads/53kxpe00.jpg");
    f.setDrive('D', "cd");
    program::Program& program = f.startPastSplash();
    f.fake().screen.setTwips(widthTwips, heightTwips);
    auto& boxes = f.fake().messageBoxes;
    boxes.answer({platform::Reply::Ok});
    program.mainWindow().mnuResolution->trigger();

    const platform::MessageBoxRequest& box = boxes.last();
    QCOMPARE(box.title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(box.buttons, platform::MessageButtons::Ok);
    QCOMPARE(program.state().report.MessageText, box.text);
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.first(), firstLine);
    if (widthTwips == 12000.0 && heightTwips == 9000.0) {
        QCOMPARE(box.text,
                 firstLine + QStringLiteral("\r\n\r\nThis is the optimum setting for the Vantor Ads!"));
        QCOMPARE(box.icon, platform::MessageIcon::None);
        return;
    }
    QCOMPARE(box.icon, platform::MessageIcon::Exclamation);
    QCOMPARE(lines.size(), 19); // eighteen lines, each ended by a line break
    QCOMPARE(
        lines[11],
        QStringLiteral("    5)  You may also want to set the Colors to the highest level allowed by your"));
    QCOMPARE(lines[12], QStringLiteral("         graphics card."));
    QCOMPARE(lines[14],
             QStringLiteral("          Click the Advanced button on the bottom right of the above window."));
    QCOMPARE(
        lines[17],
        QStringLiteral("You may now have to re-start your computer for the new settings to take affect."));
    QVERIFY(lines[18].isEmpty());

    // As the box shows it: every line whole, none broken in the middle.
    const std::unique_ptr<QMessageBox> shown = platform::buildMessageBox(box, &program.mainWindow());
    shown->show();
    const auto* label = shown->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label);
    for (const QString& line : lines)
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                 qPrintable(line));
    QVERIFY(shown->frameGeometry().width() <= 800);
    shown->hide();
}

QTEST_MAIN(ResolutionCheckTest)
#include "ResolutionCheckTest.moc"
