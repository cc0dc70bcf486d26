#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace ui;

namespace {

QStringList captionsOf(const QList<QAction*>& actions) {
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

} // namespace

class FormDesignTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowCaptionAndClientArea();
    void yearButtonsStandInThreeColumns_data();
    void yearButtonsStandInThreeColumns();
    void categoriesStartOnVantor();
    void viewControlsAtDesignPlaces_data();
    void viewControlsAtDesignPlaces();
    void hiddenAndDisabledAtStart();
    void statusStripCaptionsAndFonts();
    void progressPanelInTwips();
    void adPicturesCarryTheToolTip();
    void everyControlIsNamedForScreenReaders();
    void menuBarInDesignOrder();
    void popUpMenuItemsReportTheirIndex();
    void yearButtonEventsCarryTheirIndex();
    void splashDesign();
    void noCaptionIsClipped();
};

void FormDesignTest::mainWindowCaptionAndClientArea() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Vantor Ads: The Marketing of Roadmark"));
    QCOMPARE(form.size(), QSize(804, 564));        // 12060 x 8460 twips
    QVERIFY(form.minimumSizeHint().width() < 400); // any size the settings ask for can be given
    form.resize(640, 480);
    QCOMPARE(form.Image1->geometry(), QRect(328, 0, 451, 555)); // resizing moves no control
}

void FormDesignTest::yearButtonsStandInThreeColumns_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    // Twips 360/1680/3000 across and 840 + 360 a row down, 1095 x 375, divided by 15.
    QTest::newRow("0") << 0 << "1953" << QRect(24, 56, 73, 25) << QColor(0, 0, 192);
    QTest::newRow("10") << 10 << "1963" << QRect(24, 296, 73, 25) << QColor(255, 0, 0);
    QTest::newRow("17") << 17 << "1970" << QRect(24, 464, 73, 25) << QColor(0, 128, 0);
    QTest::newRow("18") << 18 << "1971" << QRect(112, 56, 73, 25) << QColor(0, 128, 0);
    QTest::newRow("23") << 23 << " 1976*" << QRect(112, 176, 73, 25) << QColor(0, 128, 0);
    QTest::newRow("30") << 30 << "1984" << QRect(112, 344, 73, 25) << QColor(128, 0, 128);
    QTest::newRow("42") << 42 << " 1996*" << QRect(200, 200, 73, 25) << QColor(128, 0, 128);
    QTest::newRow("47") << 47 << "2001" << QRect(200, 320, 73, 25) << QColor(0, 0, 0);
    QTest::newRow("48") << 48 << "ZX" << QRect(200, 368, 73, 25) << QColor(192, 64, 0);
    QTest::newRow("49") << 49 << "Related" << QRect(200, 392, 73, 25) << QColor(192, 64, 0);
}

void FormDesignTest::yearButtonsStandInThreeColumns() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    Form1 form;
    SSCommand* button = form.cmdYear[size_t(index)];
    QCOMPARE(button->parentWidget(), form.SSPanel2);
    QCOMPARE(button->caption(), caption);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->captionColour(), colour);
    QVERIFY(button->isEnabled());
}

void FormDesignTest::categoriesStartOnVantor() {
    Form1 form;
    const QStringList expected = {"Vantor", "w/KX", "w/Pellion", "w/Tolvin"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(form.optParent[size_t(i)]->text(), expected[i]);
        QCOMPARE(form.optParent[size_t(i)]->isChecked(), i == 0);
        QVERIFY(form.SSPanel2->isAncestorOf(form.optParent[size_t(i)]));
    }
}

void FormDesignTest::viewControlsAtDesignPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("SSPanel2") << "SSPanel2" << QRect(16, 0, 297, 497);
    QTest::newRow("SSCommand4") << "SSCommand4" << QRect(200, 416, 73, 25);
    QTest::newRow("cmdZoom") << "cmdZoom" << QRect(200, 440, 73, 25);
    QTest::newRow("SSCommand2") << "SSCommand2" << QRect(200, 464, 73, 25);
    QTest::newRow("Image1") << "Image1" << QRect(328, 0, 451, 555);
    QTest::newRow("PicSrc") << "PicSrc" << QRect(256, 168, 24, 78);
    QTest::newRow("picDest") << "picDest" << QRect(184, 24, 57, 57);
    QTest::newRow("VScr") << "VScr" << QRect(776, 0, 18, 529);
    QTest::newRow("HScroll1") << "HScroll1" << QRect(314, 504, 481, 18);
    QTest::newRow("cmdZoomOut") << "cmdZoomOut" << QRect(704, 528, 89, 25);
    QTest::newRow("SSCommand5") << "SSCommand5" << QRect(632, 528, 73, 25);
    QTest::newRow("panParent") << "panParent" << QRect(430, 528, 169, 23);
    QTest::newRow("panText3") << "panText3" << QRect(376, 480, 75, 25);
    QTest::newRow("Text1") << "Text1" << QRect(376, 528, 65, 25);
    QTest::newRow("SpinButton1") << "SpinButton1" << QRect(320, 528, 57, 24);
    QTest::newRow("StatusDay") << "StatusDay" << QRect(16, 504, 97, 25);
    QTest::newRow("StatusDate") << "StatusDate" << QRect(112, 504, 105, 25);
    QTest::newRow("StatusTime") << "StatusTime" << QRect(216, 504, 97, 25);
    QTest::newRow("PnlCoStar") << "PnlCoStar" << QRect(16, 528, 297, 25);
}

void FormDesignTest::viewControlsAtDesignPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Form1 form;
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
}

void FormDesignTest::hiddenAndDisabledAtStart() {
    Form1 form;
    form.show();
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form.SpinButton1, form.panText3, form.panParent, form.cmdZoomOut, form.SSCommand5,
             form.pnlProgress, form.PicSrc, form.picDest, form.VScr, form.HScroll1, form.Text1})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (QWidget* shown :
         std::initializer_list<QWidget*>{form.cmdZoom, form.SSCommand2, form.SSCommand4, form.Image1,
                                         form.SSPanel2, form.StatusDay, form.PnlCoStar})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QVERIFY(!form.SSCommand4->isEnabled());
    QVERIFY(!form.cmdZoom->isEnabled());
    QVERIFY(form.SSCommand2->isEnabled());
    QVERIFY(!form.Image1->isEnabled());
    QCOMPARE(form.Image1->picture().size(), QSize(475, 555)); // the opening collage
    QCOMPARE(form.Image1->picture().depth(), 32);
    QVERIFY(form.PicSrc->picture().isNull());
    QCOMPARE(form.SSCommand4->caption(), QStringLiteral("Wide"));
    QCOMPARE(form.cmdZoom->caption(), QStringLiteral("Zoom In"));
    QCOMPARE(form.SSCommand2->caption(), QStringLiteral("Exit"));
    QCOMPARE(form.cmdZoomOut->caption(), QStringLiteral("Zoom Out"));
    QCOMPARE(form.SSCommand5->caption(), QStringLiteral("Wide"));
    QCOMPARE(form.VScr->value(), 0);
    QCOMPARE(form.HScroll1->value(), 0);
}

void FormDesignTest::statusStripCaptionsAndFonts() {
    Form1 form;
    QCOMPARE(form.StatusDay->caption(), QStringLiteral("StatusDay"));
    QCOMPARE(form.StatusDate->caption(), QStringLiteral("StatusDate"));
    QCOMPARE(form.StatusTime->caption(), QStringLiteral("StatusTime"));
    QCOMPARE(form.PnlCoStar->caption(), QStringLiteral("Vantor Ads - The Marketing of Roadmark V2.10"));
    QCOMPARE(form.PnlCoStar->font().family(), QStringLiteral("Liberation Sans Narrow"));
    QCOMPARE(form.StatusDay->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(form.Timer1->interval(), 100);
}

void FormDesignTest::progressPanelInTwips() {
    Form1 form;
    QCOMPARE(form.pnlProgress->size(), QSize(486, 345)); // 7290 x 5175 twips
    QCOMPARE(form.Label2->geometry(), QRect(104, 16, 313, 25));
    QCOMPARE(form.Label2->text(), QStringLiteral("Copy Ads from CD-ROM to hard drive"));
    QCOMPARE(form.Label1->text(), QStringLiteral("Copying file:"));
    QCOMPARE(form.Text2->geometry(), QRect(96, 40, 361, 17));
    QCOMPARE(form.ProgressGuage->geometry(), QRect(24, 64, 433, 25));
    QCOMPARE(form.ProgressGuage2->geometry(), QRect(24, 248, 433, 25));
    QVERIFY(form.ProgressGuage->isGauge() && form.ProgressGuage2->isGauge());
    QCOMPARE(form.cmdCopy->geometry(), QRect(24, 288, 217, 33));
    QCOMPARE(form.cmdCopy->caption(), QStringLiteral("Copy Ads"));
    QCOMPARE(form.cmdCancel->geometry(), QRect(240, 288, 217, 33));
    QCOMPARE(form.cmdCancel->caption(), QStringLiteral("Cancel"));
    QCOMPARE(form.Image3->geometry(), QRect(24, 112, 436, 128));
}

void FormDesignTest::adPicturesCarryTheToolTip() {
    Form1 form;
    const QString tip = QStringLiteral(
        "Double click on the ad image to \"zoom in\" and \"zoom out\". Right click to copy or print.");
    QCOMPARE(form.Image1->toolTip(), tip);
    QCOMPARE(form.picDest->toolTip(), tip);
    QCOMPARE(form.cmdYear[48]->toolTip(),
             QStringLiteral("Click to view ads featuring the Vantor in ZX sparkplug advertisements."));
    QCOMPARE(form.cmdYear[49]->toolTip(), QStringLiteral("Click to view non-KX ads featuring Vantor."));
    QVERIFY(form.cmdYear[10]->toolTip().isEmpty());
    QCOMPARE(form.picDest->palette().color(QPalette::Window).isValid(), true);
}

void FormDesignTest::everyControlIsNamedForScreenReaders() {
    Form1 form;
    for (auto* button : form.findChildren<QAbstractButton*>()) {
        const QString name = button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(button->objectName()));
    }
    for (auto* panel : form.findChildren<SSPanel*>())
        QCOMPARE(panel->accessibleName().isEmpty(),
                 panel->caption().isEmpty() && panel->accessibleName().isEmpty());
    QVERIFY(!form.Text1->accessibleName().isEmpty());
    QVERIFY(!form.Image1->accessibleName().isEmpty());
}

void FormDesignTest::menuBarInDesignOrder() {
    Form1 form;
    // The pop-up is the bar's last menu, never shown on it.
    QList<QAction*> onTheBar = form.menuBar()->actions();
    QCOMPARE(onTheBar.takeLast(), form.mnuCopyPrint->menuAction());
    QVERIFY(!form.mnuCopyPrint->menuAction()->isVisible());
    QCOMPARE(captionsOf(onTheBar), (QStringList{"File", "Ads List", "HideStatusBar", "Help"}));
    QMenu* file = form.menuBar()->actions().at(0)->menu();
    QCOMPARE(captionsOf(file->actions()),
             (QStringList{"Copy CD-ROM Ads to Hard Drive", "Remove Ads from Hard Drive", "-",
                          "Copy Ad to Clipboard", "-", "Check Screen Resolution Setting", "-", "Print Ad",
                          "Print Setup", "-", "Exit"}));
    QMenu* help = form.menuBar()->actions().at(3)->menu();
    QCOMPARE(captionsOf(help->actions()),
             (QStringList{"Contents", "-", "Notice", "-", "Visit the Kestrel Software website ",
                          "Register ON-Line", "Register Form", "-", "About"}));
}

void FormDesignTest::popUpMenuItemsReportTheirIndex() {
    Form1 form;
    QCOMPARE(form.mnuCopyPrint->title(), QStringLiteral("Vantor Advertisements"));
    QVERIFY(form.mnuPrintCopy[0] == nullptr);
    QCOMPARE(form.mnuPrintCopy[1]->text(), QStringLiteral("Print this Ad?"));
    QCOMPARE(form.mnuPrintCopy[2]->text(), QStringLiteral("Copy this Ad to the Windows Clipboard?"));
    QList<int> indices;
    connect(&form, &Form1::printCopyClicked, &form, [&](int i) { indices << i; });
    form.mnuPrintCopy[2]->trigger();
    form.mnuPrintCopy[1]->trigger();
    QCOMPARE(indices, (QList<int>{2, 1}));
}

void FormDesignTest::yearButtonEventsCarryTheirIndex() {
    Form1 form;
    form.show();
    QList<int> clicked;
    QList<QPair<int, int>> keys;
    QList<int> categories;
    connect(&form, &Form1::yearClicked, &form, [&](int i) { clicked << i; });
    connect(&form, &Form1::yearKeyDown, &form, [&](int i, int k) { keys << qMakePair(i, k); });
    connect(&form, &Form1::categoryClicked, &form, [&](int i) { categories << i; });
    QTest::mouseClick(form.cmdYear[10], Qt::LeftButton);
    QTest::mouseClick(form.cmdYear[49], Qt::LeftButton);
    QTest::keyClick(form.cmdYear[3], Qt::Key_Period);
    QTest::mouseClick(form.optParent[2], Qt::LeftButton, {}, QPoint(5, 10));
    QCOMPARE(clicked, (QList<int>{10, 49}));
    QCOMPARE(keys, (QList<QPair<int, int>>{{3, 190}}));
    QCOMPARE(categories, QList<int>{2});
}

void FormDesignTest::splashDesign() {
    Form2 splash;
    QCOMPARE(splash.size(), QSize(616, 479)); // 9240 x 7185 twips
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.SSPanel2->caption(), QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(splash.SSPanel2->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(splash.Label1->text(), QStringLiteral("v2.10"));
    QCOMPARE(splash.Picture2->pixmap().size(), QSize(600, 363));
    QVERIFY(splash.SSPanel1->isAncestorOf(splash.Picture2));
    QCOMPARE(splash.Timer1->interval(), 3000);
    QVERIFY(splash.Timer1->isSingleShot());
    splash.centreOn(QRect(0, 0, 800, 600));
    QCOMPARE(splash.geometry().center(), QRect(0, 0, 800, 600).center());
}

void FormDesignTest::noCaptionIsClipped() {
    Form1 form;
    for (auto* button : form.findChildren<SSCommand*>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->caption()) + 4;
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName() + ": " + button->caption()));
    }
    const int needed = form.PnlCoStar->fontMetrics().horizontalAdvance(form.PnlCoStar->caption());
    QVERIFY2(needed <= form.PnlCoStar->contentsRect().width(), "PnlCoStar");
    for (auto* option : form.optParent)
        QVERIFY(option->sizeHint().width() <= option->width());
}

QTEST_MAIN(FormDesignTest)
#include "FormDesignTest.moc"
