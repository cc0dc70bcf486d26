#pragma once

#include <QImage>
#include <QObject>

namespace platform {
class Clipboard;
class MessageBoxes;
class Printer;
class Screen;
} // namespace platform
namespace state {
struct OutputState;
}
namespace ui {
struct AdViewControls;
class CommonDialog;
struct MainMenus;
} // namespace ui
namespace picture {
class ShownAdModel;
}

namespace output {

// Printing the ad and copying it to the clipboard, from the File menu and from the pop-up menu over the ad;
// the printer's set-up. All of them act on the whole ad at full resolution, never on the part on screen.
class AdOutput : public QObject {
    Q_OBJECT
public:
    AdOutput(const ui::AdViewControls& view, const ui::MainMenus& menus, ui::CommonDialog& dialog,
             state::OutputState& output, picture::ShownAdModel& model, platform::Printer& printer,
             const platform::Screen& screen, platform::Clipboard& clipboard, platform::MessageBoxes& boxes,
             QObject* parent = nullptr);

    // "Print Ad" in the File menu.
    void printCommand();
    void printAd(const QString& questionTitle);
    void copyAd();
    void printSetup();
    void printCopyClicked(int index);
    void showPopUp(QPoint where);
    // The pop-up opens over the normal view only once an ad has been shown, over the zoomed view always:
    // at the pointer on the right button, in the middle of the view for the menu key.
    void normalViewReleased(Qt::MouseButton button);
    void zoomedViewReleased(Qt::MouseButton button);
    void normalViewMenuKey();
    void zoomedViewMenuKey();

private:
    // The ad on view at full resolution; before the first ad, the picture the window opens with.
    QImage picture();

    const ui::AdViewControls& view_;
    const ui::MainMenus& menus_;
    ui::CommonDialog& dialog_;
    state::OutputState& output_;
    picture::ShownAdModel& model_;
    platform::Printer& printer_;
    const platform::Screen& screen_;
    platform::Clipboard& clipboard_;
    platform::MessageBoxes& boxes_;
};

} // namespace output
