#include "platform/AppFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString SystemAppFolders::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString SystemAppFolders::executableName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SystemAppFolders::localCopyFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/VantorAds");
}

} // namespace platform
