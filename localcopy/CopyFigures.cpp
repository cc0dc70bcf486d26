#include "localcopy/CopyFigures.h"

#include "platform/files/Files.h"

#include <QLocale>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace localcopy {
namespace {

// Halves go to the even neighbour, as the gauges have always rounded.
int roundedHalfToEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

quint64 freeKilobytes(const platform::FreeSpace& space) {
    return space.freeClusters / 1024 * space.sectorsPerCluster * space.bytesPerSector;
}

QString groupedDigits(quint64 value) {
    if (value == 0)
        return {};
    const QString digits = QString::number(value);
    const QString separator = QLocale().groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

int fileGaugeValue(qint64 blocks, qint64 length) {
    return roundedHalfToEven(double(CopyBlockBytes * blocks) / double(length) * 100.0);
}

int overallGaugeValue(qint64 bytesLeft) {
    return roundedHalfToEven(100.0 - double(bytesLeft) / double(CopyTotalBytes) * 100.0);
}

QString adFileName(const QString& entry) {
    static const QString AdsFolder = QStringLiteral("\\Ads\\");
    const qsizetype at = entry.indexOf(AdsFolder);
    return at < 0 ? entry : entry.mid(at + AdsFolder.size());
}

bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/'));
}

QPoint progressPanelPlace(double screenWidthPixels, double screenHeightPixels, QSize area, QSize panel) {
    const QPoint onScreen(qRound((screenWidthPixels - panel.width()) * 0.5),
                          qRound((screenHeightPixels - panel.height()) * 0.5));
    if (QRect(QPoint(), area).contains(QRect(onScreen, panel)))
        return onScreen;
    return {std::max(0, (area.width() - panel.width()) / 2),
            std::max(0, (area.height() - panel.height()) / 2)};
}

} // namespace localcopy
