#include "ui/ProgressPanel.h"

#include "ui/Artwork.h"
#include "ui/DesignHelpers.h"
#include "ui/Units.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>

#include <initializer_list>

namespace ui {
namespace {

QPalette withDisabledAsActive(QPalette palette) {
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(QPalette::Disabled, QPalette::ColorRole(role),
                         palette.color(QPalette::Active, QPalette::ColorRole(role)));
    return palette;
}

} // namespace

void ProgressPanel::buildProgressPanel(QWidget* central) {
    pnlProgress = design::panel({}, "pnlProgress", central,
                                QRect(QPoint(159, 110), rectFromTwips(0, 0, 7290, 5175).size()));
    pnlProgress->setAccessibleName(QStringLiteral("Copy Ads from CD-ROM to hard drive"));
    // It stands in front of the viewer's controls and hides them.
    pnlProgress->setAutoFillBackground(true);
    pnlProgress->hide();

    Label2 = design::named(new QLabel(QStringLiteral("Copy Ads from CD-ROM to hard drive"), pnlProgress),
                           "Label2");
    Label2->setGeometry(rectFromTwips(1560, 240, 4695, 375));
    Label2->setFont(msSansSerif(9.75, true));
    Label1 = design::named(new QLabel(QStringLiteral("Copying file:"), pnlProgress), "Label1");
    Label1->setGeometry(rectFromTwips(240, 600, 1215, 255));
    Label1->setFont(msSansSerif());
    Text2 = design::named(new QLineEdit(pnlProgress), "Text2");
    Text2->setGeometry(rectFromTwips(1440, 600, 5415, 255));
    Text2->setFont(msSansSerif());
    Text2->setReadOnly(true);
    Text2->setAccessibleName(QStringLiteral("Copying file:"));
    Label1->setBuddy(Text2);

    ProgressGuage =
        design::panel(QStringLiteral("0"), "ProgressGuage", pnlProgress, rectFromTwips(360, 960, 6495, 375));
    ProgressGuage->setGauge(true);
    Image3 = design::named(new QLabel(pnlProgress), "Image3");
    Image3->setGeometry(rectFromTwips(360, 1680, 6540, 1920));
    Image3->setPixmap(QPixmap::fromImage(artwork::progressIllustration()));
    Image3->setScaledContents(true);
    ProgressGuage2 = design::panel(QStringLiteral("0"), "ProgressGuage2", pnlProgress,
                                   rectFromTwips(360, 3720, 6495, 375));
    ProgressGuage2->setGauge(true);

    // The copy disables the whole window while it runs; what it shows keeps its colours all the same.
    for (QWidget* progress :
         std::initializer_list<QWidget*>{Label2, Label1, Text2, ProgressGuage, ProgressGuage2})
        progress->setPalette(withDisabledAsActive(progress->palette()));

    cmdCopy = design::button(QStringLiteral("Copy Ads"), "cmdCopy", pnlProgress,
                             rectFromTwips(360, 4320, 3255, 495));
    cmdCancel = design::button(QStringLiteral("Cancel"), "cmdCancel", pnlProgress,
                               rectFromTwips(3600, 4320, 3255, 495));
}

} // namespace ui
