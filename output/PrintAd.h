#pragma once

#include "platform/desktop/Printer.h"

class QImage;

namespace output {

// Prints a picture on one page at its own physical size (its pixels at the screen's resolution), its
// top-left corner one twip below the top-left corner of the printable area: not fitted, not centred, cut
// off where the printable area ends.
platform::PrintStatus PrintAd(const QImage& picture, double screenDotsPerInch, platform::Printer& printer);

} // namespace output
