#pragma once

#include "platform/desktop/Shell.h"

namespace platform {

class DesktopShell : public Shell {
public:
    bool openWebAddress(const QString& address) override;
};

} // namespace platform
