#pragma once

#include <QAction>

namespace ui {

// A menu command that knows whether anything handles it, so that unhandled commands stay off the menus.
class MenuCommand : public QAction {
    Q_OBJECT
public:
    MenuCommand(const QString& caption, const QString& name, QObject* parent);

    bool isHandled() const;
};

} // namespace ui
