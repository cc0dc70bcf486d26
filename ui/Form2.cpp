#include "ui/Form2.h"

#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/SSPanel.h"
#include "ui/Units.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace ui {

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    setFixedSize(rectFromTwips(0, 0, 9240, 7185).size());

    SSPanel1 = new SSPanel({}, this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setGeometry(0, 0, 616, 379);

    Picture2 = new QLabel(SSPanel1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(8, 8, 600, 363);
    Picture2->setPixmap(QPixmap::fromImage(artwork::splashCover()));
    Picture2->setAccessibleName(QStringLiteral("Vantor Ads cover"));

    SSPanel2 = new SSPanel(QStringLiteral("Vantor Ads - The Marketing of Roadmark"), this);
    SSPanel2->setObjectName(QStringLiteral("SSPanel2"));
    SSPanel2->setGeometry(0, 379, 616, 100);
    SSPanel2->setFont(arial(20, true));

    Label1 = new QLabel(QStringLiteral("v2.10"), SSPanel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(msSansSerif());
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(520, 74, 88, 20);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The three seconds count from the moment the cover is on the screen.
    if (!Timer1->isActive())
        Timer1->start();
}

void Form2::centreOn(const QRect& screenGeometry) {
    move(screenGeometry.center() - rect().center());
}

} // namespace ui
