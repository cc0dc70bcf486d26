#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace localcopy {

// Holds back every request to close a window (its close box, Alt+F4, the window manager, Exit, the end
// of the session) for as long as it lives, and makes the window close then if one came: a window that is
// only disabled still takes them, and a copy must not end half done.
class CloseHold : public QObject {
    Q_OBJECT
public:
    explicit CloseHold(QWidget& window);
    ~CloseHold() override;

    bool closeRequested() const { return requested_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    bool requested_ = false;
};

} // namespace localcopy
