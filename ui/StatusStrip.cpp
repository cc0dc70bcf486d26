#include "ui/StatusStrip.h"

#include "ui/DesignHelpers.h"
#include "ui/Units.h"

#include <QTimer>

namespace ui {

void StatusStrip::buildStatusStrip(QWidget* central, QObject* timerOwner) {
    StatusDay =
        design::panel(QStringLiteral("StatusDay"), "StatusDay", central, rectFromTwips(240, 7560, 1455, 375));
    StatusDate = design::panel(QStringLiteral("StatusDate"), "StatusDate", central,
                               rectFromTwips(1680, 7560, 1575, 375));
    StatusTime = design::panel(QStringLiteral("StatusTime"), "StatusTime", central,
                               rectFromTwips(3240, 7560, 1455, 375));
    PnlCoStar = design::panel(QStringLiteral("Vantor Ads - The Marketing of Roadmark V2.10"), "PnlCoStar",
                              central, rectFromTwips(240, 7920, 4455, 375));
    PnlCoStar->setFont(arialNarrow(9));

    Timer1 = design::named(new QTimer(timerOwner), "Timer1");
    Timer1->setInterval(100);
}

} // namespace ui
