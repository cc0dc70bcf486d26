#pragma once

#include <QWidget>

namespace ui {

// What the two controls that show the ad have in common: they report a released mouse button (the
// pop-up menu opens on the right button's release), a double-click, and the keyboard's way of asking
// for a context menu (the menu key, or Shift+F10) while they have the focus.
class AdSurface : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void doubleClicked();
    void contextMenuKey();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace ui
