#pragma once

#include "ui/AdViewControls.h"
#include "ui/LeftPanel.h"
#include "ui/MainMenus.h"
#include "ui/ProgressPanel.h"
#include "ui/StatusStrip.h"

#include <QMainWindow>

namespace ui {

class CommonDialog;

// The main window as designed: every control at its design place, size, caption and state, built panel by
// panel. It has no behaviour of its own; the program wires its controls and menu commands to the
// behaviours, each of which takes the panels it drives.
class Form1 : public QMainWindow,
              public LeftPanel,
              public AdViewControls,
              public StatusStrip,
              public ProgressPanel,
              public MainMenus {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    CommonDialog* dlgCommon1;

signals:
    void categoryClicked(int index);
    void yearClicked(int index);
    void yearKeyDown(int index, int keyCode);
    void printCopyClicked(int index);
    // Any way of closing the window; it always closes. Carries the state it had, so that a minimized
    // window can be told apart.
    void closing(Qt::WindowStates state);

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace ui
