#include "ui/FrmAbout.h"

#include "ui/Artwork.h"
#include "ui/DesignHelpers.h"
#include "ui/Units.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace ui {
namespace {

SSPanel* captionPanel(const char* caption, const char* name, QWidget* parent, QRect twips,
                      const QFont& font) {
    SSPanel* panel = design::panel(QString::fromLatin1(caption), name, parent,
                                   rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    panel->setFont(font);
    return panel;
}

} // namespace

// A dialog-type window, so that the window system lets it have an owner that it stays above.
FrmAbout::FrmAbout(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Vantor Ads"));
    setFixedSize(rectFromTwips(0, 0, 9375, 6975).size());
    const QFont text = msSansSerif(8.25, true);

    SSPanel3 = design::panel({}, "SSPanel3", this, rectFromTwips(0, 0, 9375, 4815));
    Image1 = design::named(new QLabel(SSPanel3), "Image1");
    Image1->setGeometry(rectFromTwips(240, 240, 8895, 4425));
    Image1->setPixmap(QPixmap::fromImage(artwork::aboutPhoto()));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(QStringLiteral("The Roadmark Vantor"));

    panAbout = design::panel({}, "panAbout", this, rectFromTwips(0, 4800, 9375, 2175));
    SSPanel6 = captionPanel("Vantor Ads", "SSPanel6", panAbout, {960, 240, 2415, 600}, arial(18, true));
    SSPanel5 = captionPanel("The Marketing of", "SSPanel5", panAbout, {840, 840, 2655, 360},
                            msSansSerif(12, true, true));
    SSPanel1 =
        captionPanel("Roadmark", "SSPanel1", panAbout, {600, 1200, 2775, 360}, msSansSerif(12, true, true));
    SSPanel4 = captionPanel("v2.10", "SSPanel4", panAbout, {1560, 1560, 615, 240}, text);
    Picture2 = design::named(new QLabel(panAbout), "Picture2");
    Picture2->setGeometry(rectFromTwips(3600, 240, 2415, 1215));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setPixmap(QPixmap::fromImage(artwork::emblem()));
    Picture2->setAccessibleName(QStringLiteral("Vantor emblem"));
    SSCommand1 =
        design::button(QStringLiteral("OK"), "SSCommand1", panAbout, rectFromTwips(3600, 1560, 2400, 375));
    SSCommand1->setFont(text);
    SSCommand1->setDefault(true);
    SSPanel2 = captionPanel("", "SSPanel2", panAbout, {6240, 240, 2655, 360}, text);
    panKestrel = captionPanel("", "panKestrel", panAbout, {6240, 600, 2775, 735}, text);
    SSCommand2 = design::button(QString(), "SSCommand2", panAbout, rectFromTwips(6240, 1560, 2700, 375));
    SSCommand2->setFont(text);
}

void FrmAbout::keyPressEvent(QKeyEvent* event) {
    const bool altF4 = event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_Escape || altF4) {
        emit closeKeyPressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmAbout::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace ui
