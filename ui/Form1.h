#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTimer;

namespace ui {

class CommonDialog;
class ImageBox;
class PictureBox;
class ScrollBar;
class SpinButton;
class SSCommand;
class SSPanel;

// The main window as designed: every control at its design place, size, caption and state. It has no
// behaviour of its own; the program's subsystems connect to its controls and menu commands.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int YearButtonCount = 50;
    static constexpr int CategoryCount = 4;

    explicit Form1(QWidget* parent = nullptr);

    // Adds to the menu bar only the commands something has connected to, so that no menu item is left
    // doing nothing; separators never stand first, last or twice in a row.
    void populateMenuBar();

    // Left panel with the categories, the year buttons and the view buttons.
    SSPanel* SSPanel2;
    QGroupBox* Frame2;
    std::array<QRadioButton*, CategoryCount> optParent{};
    std::array<SSCommand*, YearButtonCount> cmdYear{};
    SSCommand* SSCommand4; // "Wide"
    SSCommand* cmdZoom;    // "Zoom In"
    SSCommand* SSCommand2; // "Exit"

    // The ad and its views.
    ImageBox* Image1;
    PictureBox* PicSrc;
    PictureBox* picDest;
    ScrollBar* VScr;
    ScrollBar* HScroll1;
    SSCommand* cmdZoomOut;
    SSCommand* SSCommand5; // toggles between the zoomed and the wide view
    SSPanel* panParent;
    SSPanel* panText3;
    QLineEdit* Text1;
    SpinButton* SpinButton1;

    // Status strip.
    SSPanel* StatusDay;
    SSPanel* StatusDate;
    SSPanel* StatusTime;
    SSPanel* PnlCoStar;
    QTimer* Timer1;

    // Copy progress panel.
    SSPanel* pnlProgress;
    QLabel* Label2;
    QLabel* Label1;
    QLineEdit* Text2;
    SSPanel* ProgressGuage;
    QLabel* Image3;
    SSPanel* ProgressGuage2;
    SSCommand* cmdCopy;
    SSCommand* cmdCancel;

    CommonDialog* dlgCommon1;

    // Menu commands.
    QAction* mnuCopy;
    QAction* mnuRemove;
    QAction* mnuClip;
    QAction* mnuResolution;
    QAction* mnuPrint;
    QAction* mnuSetup;
    QAction* mnuExit;
    QAction* mnuList;
    QAction* mnuHideStatus;
    QAction* mnuContents;
    QAction* mnuNotice;
    QAction* mnuKestrelSoftware;
    QAction* mnuRegisterOL;
    QAction* mnuRegister;
    QAction* mnuAbout;
    QMenu* mnuCopyPrint;                    // pop-up only, never on the menu bar
    std::array<QAction*, 3> mnuPrintCopy{}; // items 1 and 2; there is no item 0

signals:
    void categoryClicked(int index);
    void yearClicked(int index);
    void yearKeyDown(int index, int keyCode);
    void printCopyClicked(int index);

private:
    void buildLeftPanel(QWidget* central);
    void buildAdView(QWidget* central);
    void buildStatusStrip(QWidget* central);
    void buildProgressPanel(QWidget* central);
    void buildMenuCommands();

    QMenu* fileMenu_;
    QMenu* helpMenu_;
};

} // namespace ui
