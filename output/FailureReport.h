#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QString>

namespace output {

// Tells the user that a print or a copy did not happen and why, in a notice with the exclamation icon;
// the program goes on as before.
void reportOutputFailure(platform::MessageBoxes& boxes, const QString& whatFailed, const QString& reason);

} // namespace output
