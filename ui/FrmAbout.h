#pragma once

#include <QWidget>

class QLabel;

namespace ui {

class SSCommand;
class SSPanel;

// The About window as designed: no border or title bar, the car's photograph above, and below it the
// product's name, version, emblem, the maker's address and web site, and OK. No behaviour of its own.
class FrmAbout : public QWidget {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    SSPanel* SSPanel3;
    QLabel* Image1;
    SSPanel* panAbout;
    SSPanel* SSPanel6;
    SSPanel* SSPanel5;
    SSPanel* SSPanel1;
    SSPanel* SSPanel4;
    QLabel* Picture2;
    SSCommand* SSCommand1; // "OK"
    SSPanel* SSPanel2;     // the rights line
    SSPanel* panKestrel;   // the maker's name and postal address
    SSCommand* SSCommand2; // the maker's web site

signals:
    // Escape, and Alt+F4 where no window manager takes it, ask to close the window, as OK does.
    void closeKeyPressed();
    // The window closes, however that was asked for: OK, a key, or the window manager's close request.
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace ui
