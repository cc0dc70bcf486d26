#pragma once

#include "ui/FrmAbout.h"

#include <QObject>
#include <QPointer>

namespace ui {
class Form1;
}

namespace documents {

class WebLinks;

// "About": the About window over the main window, which takes no input until the About window closes
// (OK, Escape, or the window manager's close request).
class AboutWindow : public QObject {
    Q_OBJECT
public:
    AboutWindow(ui::Form1& mainWindow, WebLinks& links, QObject* parent = nullptr);

    void show();
    ui::FrmAbout* window() const { return frmAbout_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Form1& mainWindow_;
    WebLinks& links_;
    QPointer<ui::FrmAbout> frmAbout_;
};

} // namespace documents
