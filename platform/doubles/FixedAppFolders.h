#pragma once

#include "platform/desktop/AppFolders.h"

namespace platform {

class FixedAppFolders : public AppFolders {
public:
    FixedAppFolders(QString programFolder, QString localCopyFolder,
                    QString executableName = QStringLiteral("VantorAds"))
        : programFolder_(std::move(programFolder)), localCopyFolder_(std::move(localCopyFolder)),
          executableName_(std::move(executableName)) {}

    QString programFolder() const override { return programFolder_; }
    QString executableName() const override { return executableName_; }
    QString localCopyFolder() const override { return localCopyFolder_; }

private:
    QString programFolder_;
    QString localCopyFolder_;
    QString executableName_;
};

} // namespace platform
