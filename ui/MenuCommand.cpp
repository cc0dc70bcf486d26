#include "ui/MenuCommand.h"

#include <QMetaMethod>

namespace ui {

MenuCommand::MenuCommand(const QString& caption, const QString& name, QObject* parent)
    : QAction(caption, parent) {
    setObjectName(name);
}

bool MenuCommand::isHandled() const {
    return isSignalConnected(QMetaMethod::fromSignal(&QAction::triggered));
}

} // namespace ui
