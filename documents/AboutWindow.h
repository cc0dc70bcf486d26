#pragma once

#include "ui/FrmAbout.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace documents {

class WebLinks;

// "About": the About window over the main window, which takes no input until the About window closes
// (OK, Escape, or the window manager's close request).
class AboutWindow : public QObject {
    Q_OBJECT
public:
    AboutWindow(QWidget& mainWindow, WebLinks& links, QObject* parent = nullptr);

    void show();
    ui::FrmAbout* window() const { return frmAbout_; }

protected:
    // Installed on the main window: its activation.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mainWindow_;
    WebLinks& links_;
    QPointer<ui::FrmAbout> frmAbout_;
};

} // namespace documents
