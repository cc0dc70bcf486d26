#include "output/AdOutput.h"

#include "output/FailureReport.h"
#include "output/PrintAd.h"
#include "picture/ShownAdModel.h"
#include "platform/desktop/Clipboard.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/Screen.h"
#include "state/ProgramState.h"
#include "ui/AdViewControls.h"
#include "ui/CommonDialog.h"
#include "ui/ImageBox.h"
#include "ui/MainMenus.h"
#include "ui/PictureBox.h"

#include <QCursor>
#include <QMenu>

namespace output {

AdOutput::AdOutput(const ui::AdViewControls& view, const ui::MainMenus& menus, ui::CommonDialog& dialog,
                   state::OutputState& output, picture::ShownAdModel& model, platform::Printer& printer,
                   const platform::Screen& screen, platform::Clipboard& clipboard,
                   platform::MessageBoxes& boxes, QObject* parent)
    : QObject(parent), view_(view), menus_(menus), dialog_(dialog), output_(output), model_(model),
      printer_(printer), screen_(screen), clipboard_(clipboard), boxes_(boxes) {}

void AdOutput::normalViewReleased(Qt::MouseButton button) {
    if (model_.hasAd() && button == Qt::RightButton)
        showPopUp(QCursor::pos());
}

void AdOutput::zoomedViewReleased(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        showPopUp(QCursor::pos());
}

void AdOutput::normalViewMenuKey() {
    if (model_.hasAd())
        showPopUp(view_.Image1->mapToGlobal(view_.Image1->rect().center()));
}

void AdOutput::zoomedViewMenuKey() {
    showPopUp(view_.picDest->mapToGlobal(view_.picDest->rect().center()));
}

QImage AdOutput::picture() {
    return model_.hasAd() ? model_.fullPicture() : view_.Image1->picture();
}

void AdOutput::printCommand() {
    printAd(state::ProductTitle);
}

void AdOutput::printAd(const QString& questionTitle) {
    output_.PrintReply =
        boxes_.show({QStringLiteral("Would you like to print this Vantor Advertisement?"), questionTitle,
                     platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (output_.PrintReply != platform::Reply::Yes)
        return;
    const platform::PrintStatus printed =
        PrintAd(picture(), screen_.logicalDpiAt(view_.Image1->window()->geometry().center()), printer_);
    if (!printed.ok) {
        reportOutputFailure(boxes_, QStringLiteral("The ad was not printed."), printed.error);
        return;
    }
    boxes_.show({QStringLiteral("Vantor Advertisement printed!"), state::ProductTitle,
                 platform::MessageButtons::Ok, platform::MessageIcon::Exclamation});
}

void AdOutput::copyAd() {
    if (!clipboard_.setImage(picture()))
        reportOutputFailure(boxes_, QStringLiteral("The ad could not be put on the clipboard."), QString());
}

void AdOutput::printSetup() {
    dialog_.setFlags(ui::CommonDialog::PrintSetupFlag);
    dialog_.ShowPrinter(printer_);
}

void AdOutput::printCopyClicked(int index) {
    if (index == 1)
        printAd(state::ColonTitle);
    else if (index == 2)
        copyAd();
}

void AdOutput::showPopUp(QPoint where) {
    menus_.mnuCopyPrint->popup(where);
}

} // namespace output
