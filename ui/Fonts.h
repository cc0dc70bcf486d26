#pragma once

#include <QFont>

namespace ui {

// The designs name the fonts of their day; these give the closest faces a Debian desktop has
// (the Liberation families are metric-compatible with them).
QFont msSansSerif(qreal pointSize = 8.25, bool bold = false, bool italic = false);
QFont arial(qreal pointSize, bool bold = false, bool italic = false);
QFont arialNarrow(qreal pointSize, bool bold = false, bool italic = false);

} // namespace ui
