#include "platform/desktop/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopShell::openWebAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace platform
