#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace rtf {

// The bounds, which the ad decoder also holds its own scans to while it decodes.
// libjpeg-turbo's own bound: a real progressive picture has about ten scans.
constexpr int JpegScanLimit = 500;
// Each scan walks every block of the components it covers, however little data it has. A real progressive
// picture's scans together walk its blocks about five times (at most seven with unusual scan orders).
constexpr std::int64_t JpegScanWalksLimit = 8;
// Every block needs at least one bit of data, even a blank one.
constexpr std::int64_t JpegBlocksPerByteLimit = 8;

// Whether a JPEG picture can be decoded in time in proportion to its size, judged from its markers alone,
// in one pass over its bytes and before any decoder sees it: at most 500 scans, scans that together walk
// its blocks at most eight times, and at least one bit of data for each block of its fullest component.
// Qt's JPEG decoder has no such bounds: a picture of many empty scans keeps it busy for minutes.
bool jpegWorkIsBounded(QByteArrayView jpeg);

} // namespace rtf
