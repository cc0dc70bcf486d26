#pragma once

#include <QByteArrayView>

namespace rtf {

// Whether a JPEG picture can be decoded in time in proportion to its size, judged from its markers alone,
// in one pass over its bytes and before any decoder sees it: at most 500 scans, scans that together walk
// its blocks at most eight times, and at least one bit of data for each block of its fullest component.
// Qt's JPEG decoder has no such bounds: a picture of many empty scans keeps it busy for minutes.
bool jpegWorkIsBounded(QByteArrayView jpeg);

} // namespace rtf
