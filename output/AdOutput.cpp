#include "output/AdOutput.h"

#include "output/FailureReport.h"
#include "output/PrintAd.h"
#include "picture/ShownAdModel.h"
#include "platform/desktop/Clipboard.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/Screen.h"
#include "state/ProgramState.h"
#include "ui/CommonDialog.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace output {

AdOutput::AdOutput(ui::Form1& window, state::OutputState& output, picture::ShownAdModel& model,
                   platform::Printer& printer, const platform::Screen& screen, platform::Clipboard& clipboard,
                   platform::MessageBoxes& boxes, QObject* parent)
    : QObject(parent), window_(window), output_(output), model_(model), printer_(printer), screen_(screen),
      clipboard_(clipboard), boxes_(boxes) {
    connect(window_.mnuPrint, &QAction::triggered, this, [this] { printAd(state::ProductTitle); });
    connect(window_.mnuClip, &QAction::triggered, this, &AdOutput::copyAd);
    connect(window_.mnuSetup, &QAction::triggered, this, &AdOutput::printSetup);
    connect(&window_, &ui::Form1::printCopyClicked, this, &AdOutput::printCopyClicked);
    // Over the normal view only once an ad has been shown; over the zoomed view always.
    connect(window_.Image1, &ui::ImageBox::mouseReleased, this, [this](Qt::MouseButton button) {
        if (model_.hasAd() && button == Qt::RightButton)
            showPopUp(QCursor::pos());
    });
    connect(window_.picDest, &ui::PictureBox::mouseReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            showPopUp(QCursor::pos());
    });
    // From the keyboard the menu opens in the middle of the view that has the focus.
    connect(window_.Image1, &ui::ImageBox::contextMenuKey, this, [this] {
        if (model_.hasAd())
            showPopUp(window_.Image1->mapToGlobal(window_.Image1->rect().center()));
    });
    connect(window_.picDest, &ui::PictureBox::contextMenuKey, this,
            [this] { showPopUp(window_.picDest->mapToGlobal(window_.picDest->rect().center())); });
}

QImage AdOutput::picture() {
    return model_.hasAd() ? model_.fullPicture() : window_.Image1->picture();
}

void AdOutput::printAd(const QString& questionTitle) {
    output_.PrintReply =
        boxes_.show({QStringLiteral("Would you like to print this Vantor Advertisement?"), questionTitle,
                     platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (output_.PrintReply != platform::Reply::Yes)
        return;
    const platform::PrintStatus printed =
        PrintAd(picture(), screen_.logicalDpiAt(window_.geometry().center()), printer_);
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
    window_.dlgCommon1->setFlags(ui::CommonDialog::PrintSetupFlag);
    window_.dlgCommon1->ShowPrinter(printer_);
}

void AdOutput::printCopyClicked(int index) {
    if (index == 1)
        printAd(state::ColonTitle);
    else if (index == 2)
        copyAd();
}

void AdOutput::showPopUp(QPoint where) {
    window_.mnuCopyPrint->popup(where);
}

} // namespace output
