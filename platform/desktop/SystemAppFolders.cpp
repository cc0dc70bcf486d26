#include "platform/desktop/SystemAppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QString SystemAppFolders::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString SystemAppFolders::executableName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SystemAppFolders::localCopyFolder() const {
    // A relative XDG_DATA_HOME is invalid and is ignored, so that the copy never depends on the folder
    // the program was started in.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = QDir::isAbsolutePath(data) ? QDir::cleanPath(data)
                                                    : QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/VantorAds");
}

} // namespace platform
