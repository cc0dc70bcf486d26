#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

bool DesktopShell::openWebAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

// The help file has one page, so every command, contents included, opens it at its start.
bool DesktopShell::showHelp(const QString& helpFile, int) {
    if (!QFileInfo(helpFile).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}

} // namespace platform
