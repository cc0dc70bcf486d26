#pragma once

#include "platform/desktop/AppFolders.h"

namespace platform {

class SystemAppFolders : public AppFolders {
public:
    QString programFolder() const override;
    QString executableName() const override;
    QString localCopyFolder() const override;
};

} // namespace platform
