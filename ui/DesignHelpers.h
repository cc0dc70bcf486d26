#pragma once

#include "ui/Fonts.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QRect>
#include <QString>

// The small steps every window's construction repeats: a control named, given the design font and placed.
namespace ui::design {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline SSCommand* button(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* made = named(new SSCommand(caption, parent), name);
    made->setFont(msSansSerif());
    made->setGeometry(geometry);
    return made;
}

inline SSPanel* panel(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* made = named(new SSPanel(caption, parent), name);
    made->setFont(msSansSerif());
    made->setGeometry(geometry);
    return made;
}

} // namespace ui::design
