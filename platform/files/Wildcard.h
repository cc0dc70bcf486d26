#pragma once

#include <QStringView>

namespace platform {

// Matches a file name against a pattern with '*' (any run of characters) and '?' (exactly one), without
// regard to letter case. As on the platform the program was written for, a pattern ending in ".*" also
// matches names without that extension: "*.*" matches every name, "ad.*" matches "ad".
bool matchesWildcard(QStringView pattern, QStringView name);

} // namespace platform
