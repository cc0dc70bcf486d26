#include "output/PrintAd.h"

#include "ui/Units.h"

#include <QImage>
#include <QPainter>

namespace output {

platform::PrintStatus PrintAd(const QImage& picture, double screenDotsPerInch, platform::Printer& printer) {
    if (picture.isNull() || screenDotsPerInch <= 0)
        return platform::PrintStatus::failure(QStringLiteral("There is no picture to print."));
    platform::StartedJob started = printer.start();
    if (!started.status.ok)
        return started.status;
    platform::PrintJob& job = *started.job;
    const double devicePerPixel = job.devicePixelsPerTwip() * ui::TwipsPerInch / screenDotsPerInch;
    const QRectF target(0, job.devicePixelsPerTwip(), picture.width() * devicePerPixel,
                        picture.height() * devicePerPixel);
    job.painter().drawImage(target, picture);
    return job.finish();
}

} // namespace output
