#include "platform/files/ProcSelfMounts.h"

#include <QFile>

namespace platform {

QString ProcSelfMounts::text() const {
    // /proc files report a size of 0, so read until the end rather than by size.
    QFile file(QStringLiteral("/proc/self/mounts"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace platform
