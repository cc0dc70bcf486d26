#include "ui/Form1.h"

#include "ui/Artwork.h"
#include "ui/CommonDialog.h"
#include "ui/Fonts.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"
#include "ui/Units.h"
#include "ui/YearButtonDesign.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTimer>

namespace ui {
namespace {

const QString AdToolTip = QStringLiteral(
    "Double click on the ad image to \"zoom in\" and \"zoom out\". Right click to copy or print.");

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

SSCommand* makeButton(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* button = named(new SSCommand(caption, parent), name);
    button->setFont(msSansSerif());
    button->setGeometry(geometry);
    return button;
}

SSPanel* makePanel(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* panel = named(new SSPanel(caption, parent), name);
    panel->setFont(msSansSerif());
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantor Ads: The Marketing of Roadmark"));
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::applicationIcon(64))));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(central);
    // Controls keep their places whatever the window's size; the window only starts at the designed size.
    resize(rectFromTwips(0, 0, 12060, 8460).size());

    buildAdView(central);
    buildLeftPanel(central);
    buildStatusStrip(central);
    buildProgressPanel(central);
    buildMenuCommands();

    dlgCommon1 = new CommonDialog(this);
    dlgCommon1->setObjectName(QStringLiteral("dlgCommon1"));
}

void Form1::buildLeftPanel(QWidget* central) {
    SSPanel2 = makePanel({}, "SSPanel2", central, {16, 0, 297, 497});
    SSPanel2->setAccessibleName(QStringLiteral("Categories and years"));

    Frame2 = named(new QGroupBox(SSPanel2), "Frame2");
    Frame2->setGeometry(16, 4, 265, 48);
    Frame2->setAccessibleName(QStringLiteral("Category"));
    const char* captions[CategoryCount] = {"Vantor", "w/KX", "w/Pellion", "w/Tolvin"};
    const QRect places[CategoryCount] = {
        {10, 4, 110, 20}, {10, 24, 110, 20}, {140, 4, 115, 20}, {140, 24, 115, 20}};
    for (int i = 0; i < CategoryCount; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[i]), Frame2);
        option->setObjectName(QStringLiteral("optParent_%1").arg(i));
        option->setFont(msSansSerif());
        option->setGeometry(places[i]);
        optParent[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { emit categoryClicked(i); });
    }
    optParent[0]->setChecked(true);

    for (int i = 0; i < YearButtonCount; ++i) {
        const YearButtonDesign design = yearButtonDesign(i);
        auto* button = new SSCommand(design.caption, SSPanel2);
        button->setObjectName(QStringLiteral("cmdYear_%1").arg(i));
        button->setFont(msSansSerif());
        button->setGeometry(design.geometry);
        button->setCaptionColour(design.captionColour);
        button->setToolTip(design.toolTip);
        cmdYear[size_t(i)] = button;
        connect(button, &SSCommand::clicked, this, [this, i] { emit yearClicked(i); });
        connect(button, &SSCommand::keyDown, this, [this, i](int key) { emit yearKeyDown(i, key); });
    }

    SSCommand4 = makeButton(QStringLiteral("Wide"), "SSCommand4", SSPanel2, {200, 416, 73, 25});
    SSCommand4->setEnabled(false);
    cmdZoom = makeButton(QStringLiteral("Zoom In"), "cmdZoom", SSPanel2, {200, 440, 73, 25});
    cmdZoom->setEnabled(false);
    SSCommand2 = makeButton(QStringLiteral("Exit"), "SSCommand2", SSPanel2, {200, 464, 73, 25});
}

void Form1::buildAdView(QWidget* central) {
    Image1 = named(new ImageBox(central), "Image1");
    Image1->setGeometry(328, 0, 451, 555);
    Image1->setEnabled(false);
    Image1->setToolTip(AdToolTip);
    Image1->setAccessibleName(QStringLiteral("Ad"));
    Image1->setPicture(artwork::openingCollage());

    PicSrc = named(new PictureBox(central), "PicSrc");
    PicSrc->setGeometry(256, 168, 24, 78);
    PicSrc->setAutoSize(true);
    PicSrc->hide();

    picDest = named(new PictureBox(central), "picDest");
    picDest->setGeometry(184, 24, 57, 57);
    picDest->setBackgroundColour(QColor(128, 128, 128));
    picDest->setToolTip(AdToolTip);
    picDest->setAccessibleName(QStringLiteral("Ad at full size"));
    picDest->hide();

    VScr = named(new ScrollBar(Qt::Vertical, central), "VScr");
    VScr->setGeometry(776, 0, 18, 529);
    VScr->setAccessibleName(QStringLiteral("Scroll the ad up and down"));
    VScr->hide();
    HScroll1 = named(new ScrollBar(Qt::Horizontal, central), "HScroll1");
    HScroll1->setGeometry(314, 504, 481, 18);
    HScroll1->setAccessibleName(QStringLiteral("Scroll the ad left and right"));
    HScroll1->hide();

    cmdZoomOut = makeButton(QStringLiteral("Zoom Out"), "cmdZoomOut", central, {704, 528, 89, 25});
    cmdZoomOut->hide();
    SSCommand5 = makeButton(QStringLiteral("Wide"), "SSCommand5", central, {632, 528, 73, 25});
    SSCommand5->hide();

    panParent = makePanel({}, "panParent", central, {430, 528, 169, 23});
    panParent->hide();
    panText3 = makePanel({}, "panText3", central, {376, 480, 75, 25});
    panText3->hide();

    Text1 = named(new QLineEdit(central), "Text1");
    Text1->setGeometry(376, 528, 65, 25);
    Text1->setFont(msSansSerif());
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setAccessibleName(QStringLiteral("Ad number"));
    Text1->hide();

    SpinButton1 = named(new SpinButton(central), "SpinButton1");
    SpinButton1->setGeometry(320, 528, 57, 24);
    SpinButton1->hide();
}

void Form1::buildStatusStrip(QWidget* central) {
    StatusDay =
        makePanel(QStringLiteral("StatusDay"), "StatusDay", central, rectFromTwips(240, 7560, 1455, 375));
    StatusDate =
        makePanel(QStringLiteral("StatusDate"), "StatusDate", central, rectFromTwips(1680, 7560, 1575, 375));
    StatusTime =
        makePanel(QStringLiteral("StatusTime"), "StatusTime", central, rectFromTwips(3240, 7560, 1455, 375));
    PnlCoStar = makePanel(QStringLiteral("Vantor Ads - The Marketing of Roadmark V2.10"), "PnlCoStar",
                          central, rectFromTwips(240, 7920, 4455, 375));
    PnlCoStar->setFont(arialNarrow(9));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);
}

void Form1::buildProgressPanel(QWidget* central) {
    pnlProgress = makePanel({}, "pnlProgress", central,
                            QRect(QPoint(159, 110), rectFromTwips(0, 0, 7290, 5175).size()));
    pnlProgress->setAccessibleName(QStringLiteral("Copy Ads from CD-ROM to hard drive"));
    pnlProgress->hide();

    Label2 = named(new QLabel(QStringLiteral("Copy Ads from CD-ROM to hard drive"), pnlProgress), "Label2");
    Label2->setGeometry(rectFromTwips(1560, 240, 4695, 375));
    Label2->setFont(msSansSerif(9.75, true));
    Label1 = named(new QLabel(QStringLiteral("Copying file:"), pnlProgress), "Label1");
    Label1->setGeometry(rectFromTwips(240, 600, 1215, 255));
    Label1->setFont(msSansSerif());
    Text2 = named(new QLineEdit(pnlProgress), "Text2");
    Text2->setGeometry(rectFromTwips(1440, 600, 5415, 255));
    Text2->setFont(msSansSerif());
    Text2->setReadOnly(true);
    Text2->setAccessibleName(QStringLiteral("Copying file:"));
    Label1->setBuddy(Text2);

    ProgressGuage =
        makePanel(QStringLiteral("0"), "ProgressGuage", pnlProgress, rectFromTwips(360, 960, 6495, 375));
    ProgressGuage->setGauge(true);
    Image3 = named(new QLabel(pnlProgress), "Image3");
    Image3->setGeometry(rectFromTwips(360, 1680, 6540, 1920));
    Image3->setPixmap(QPixmap::fromImage(artwork::progressIllustration()));
    Image3->setScaledContents(true);
    ProgressGuage2 =
        makePanel(QStringLiteral("0"), "ProgressGuage2", pnlProgress, rectFromTwips(360, 3720, 6495, 375));
    ProgressGuage2->setGauge(true);

    cmdCopy =
        makeButton(QStringLiteral("Copy Ads"), "cmdCopy", pnlProgress, rectFromTwips(360, 4320, 3255, 495));
    cmdCancel =
        makeButton(QStringLiteral("Cancel"), "cmdCancel", pnlProgress, rectFromTwips(3600, 4320, 3255, 495));
}

} // namespace ui
