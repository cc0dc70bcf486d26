#pragma once

#include <QString>

#include <QPoint>
#include <QSize>

namespace platform {
struct FreeSpace;
}

namespace localcopy {

// The free space a copy needs, and the total the overall gauge measures against.
inline constexpr qint64 CopyTotalBytes = 100'000'000;
// The unit in which a file is read and written and by which both gauges move.
inline constexpr qint64 CopyBlockBytes = 25'000;

// The free space in kilobytes of 1,024 bytes, counting whole groups of 1,024 clusters only.
quint64 freeKilobytes(const platform::FreeSpace& space);

// A byte count as the copy's messages print it: groups of three digits parted by the locale's thousands
// separator, and nothing at all for 0.
QString groupedDigits(quint64 value);

// The gauge of the file being copied after `blocks` full blocks of a file of `length` bytes.
int fileGaugeValue(qint64 blocks, qint64 length);
// The overall gauge for the bytes left of CopyTotalBytes; it passes 100 when the full blocks of the
// ads add up to more.
int overallGaugeValue(qint64 bytesLeft);

// The file name in an entry of the ad list: what follows its first "\Ads\".
QString adFileName(const QString& entry);
// True for a name that can only stand for a file of the ads folder itself: no folder separator of the
// program's paths or of the system, and neither "." nor "..".
bool isPlainFileName(const QString& name);

// Where the progress panel goes in an area (the main window's inside) of the given size: centred on the
// screen, as it always was, when that puts it wholly inside the area; otherwise centred on the area, so that
// its buttons can always be reached.
QPoint progressPanelPlace(double screenWidthPixels, double screenHeightPixels, QSize area, QSize panel);

} // namespace localcopy
