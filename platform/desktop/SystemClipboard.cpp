#include "platform/desktop/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

bool SystemClipboard::setImage(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (image.isNull() || !clipboard)
        return false;
    clipboard->clear();
    clipboard->setImage(image);
    const QMimeData* content = clipboard->mimeData();
    return content && content->hasImage();
}

} // namespace platform
