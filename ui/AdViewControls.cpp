#include "ui/AdViewControls.h"

#include "ui/Artwork.h"
#include "ui/DesignHelpers.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QLineEdit>

namespace ui {
namespace {

const QString AdToolTip = QStringLiteral(
    "Double click on the ad image to \"zoom in\" and \"zoom out\". Right click to copy or print.");

} // namespace

void AdViewControls::buildAdView(QWidget* central) {
    Image1 = design::named(new ImageBox(central), "Image1");
    Image1->setGeometry(NormalImage);
    Image1->setEnabled(false);
    Image1->setToolTip(AdToolTip);
    Image1->setAccessibleName(QStringLiteral("Ad"));
    // Reached with Tab, not by a click: a click on the ad must not take the focus from the year buttons,
    // whose keys step through the ads.
    Image1->setFocusPolicy(Qt::TabFocus);
    Image1->setPicture(artwork::openingCollage());

    PicSrc = design::named(new PictureBox(central), "PicSrc");
    PicSrc->setGeometry(256, 168, 24, 78);
    PicSrc->setAutoSize(true);
    PicSrc->hide();

    picDest = design::named(new PictureBox(central), "picDest");
    picDest->setGeometry(184, 24, 57, 57);
    picDest->setBackgroundColour(QColor(128, 128, 128));
    picDest->setToolTip(AdToolTip);
    picDest->setAccessibleName(QStringLiteral("Ad at full size"));
    picDest->setFocusPolicy(Qt::StrongFocus);
    picDest->hide();

    VScr = design::named(new ScrollBar(Qt::Vertical, central), "VScr");
    VScr->setGeometry(776, 0, 18, 529);
    VScr->setAccessibleName(QStringLiteral("Scroll the ad up and down"));
    VScr->hide();
    HScroll1 = design::named(new ScrollBar(Qt::Horizontal, central), "HScroll1");
    HScroll1->setGeometry(314, 504, 481, 18);
    HScroll1->setAccessibleName(QStringLiteral("Scroll the ad left and right"));
    HScroll1->hide();

    cmdZoomOut = design::button(QStringLiteral("Zoom Out"), "cmdZoomOut", central, {704, 528, 89, 25});
    cmdZoomOut->hide();
    SSCommand5 = design::button(QStringLiteral("Wide"), "SSCommand5", central, {632, 528, 73, 25});
    SSCommand5->hide();

    panParent = design::panel({}, "panParent", central, {430, 528, 169, 23});
    panParent->hide();
    panText3 = design::panel({}, "panText3", central, {376, 480, 75, 25});
    panText3->hide();

    Text1 = design::named(new QLineEdit(central), "Text1");
    Text1->setGeometry(376, 528, 65, 25);
    Text1->setFont(msSansSerif());
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setAccessibleName(QStringLiteral("Ad number"));
    Text1->hide();

    SpinButton1 = design::named(new SpinButton(central), "SpinButton1");
    SpinButton1->setGeometry(320, 528, 57, 24);
    SpinButton1->hide();
}

} // namespace ui
