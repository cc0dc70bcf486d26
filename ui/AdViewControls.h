#pragma once

#include <QRect>

class QLineEdit;
class QWidget;

namespace ui {

class ImageBox;
class PictureBox;
class ScrollBar;
class SpinButton;
class SSCommand;
class SSPanel;

// The ad in its three views, the zoomed view's bars and buttons, and the stepping controls.
struct AdViewControls {
    // The normal view's frame of the ad: the window opens with it, and the normal view returns to it.
    static constexpr QRect NormalImage{328, 0, 451, 555};

    ImageBox* Image1 = nullptr;
    PictureBox* PicSrc = nullptr;
    PictureBox* picDest = nullptr;
    ScrollBar* VScr = nullptr;
    ScrollBar* HScroll1 = nullptr;
    SSCommand* cmdZoomOut = nullptr;
    SSCommand* SSCommand5 = nullptr; // toggles between the zoomed and the wide view
    SSPanel* panParent = nullptr;
    SSPanel* panText3 = nullptr;
    QLineEdit* Text1 = nullptr;
    SpinButton* SpinButton1 = nullptr;

    void buildAdView(QWidget* central);
};

} // namespace ui
