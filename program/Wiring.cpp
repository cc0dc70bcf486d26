#include "program/Program.h"

#include "platform/desktop/SessionEnd.h"
#include "program/Behaviours.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QAction>
#include <QTimer>

namespace program {

// One row an event, grouped by subsystem. Where several handlers take the same event they run in the
// order of their rows; an event filter installed later sees the event first.
void Program::wire(ui::Form1& w, ui::Form2& splash, platform::SessionEnd& sessionEnd, Behaviours& b) {
    // Start-up
    connect(splash.Timer1, &QTimer::timeout, &b.startUp, &app::StartUp::finishSplash);

    // The status clock, the task bar and closing
    connect(w.Timer1, &QTimer::timeout, &b.clock, &app::StatusClock::tick);
    connect(w.mnuHideStatus, &QAction::triggered, &b.taskBar, &app::TaskBarCommand::clicked);
    w.installEventFilter(&b.taskBar); // the user's resizes bring the task bar back
    connect(w.mnuExit, &QAction::triggered, &w, &QWidget::close);
    connect(&sessionEnd, &platform::SessionEnd::endRequested, &w, &QWidget::close);
    connect(&w, &ui::Form1::closing, &b.closing, &app::MainWindowClosing::closing);

    // Categories
    connect(&w, &ui::Form1::categoryClicked, &b.categories, &view::CategoryOptions::categoryClicked);
    connect(&b.categories, &view::CategoryOptions::categoryChosen, &b.display, &view::AdDisplay::ShowYearAd);
    connect(&b.categories, &view::CategoryOptions::categoryChosen, &b.yearsAhead,
            &view::YearsAhead::readCategoryAhead);

    // Years and the ad on show
    connect(&w, &ui::Form1::yearClicked, &b.display, &view::AdDisplay::ShowYearAd);
    connect(&w, &ui::Form1::yearKeyDown, &b.display, &view::AdDisplay::yearKeyDown);
    connect(&b.shownAd, &picture::ShownAdModel::shown, &b.shownAdViews, &view::ShownAdViews::adShown);
    connect(&b.shownAd, &picture::ShownAdModel::fullPictureReady, &b.shownAdViews,
            &view::ShownAdViews::fullPictureReady);
    w.Image1->installEventFilter(&b.shownAdViews);
    w.picDest->installEventFilter(&b.shownAdViews);
    w.installEventFilter(&b.yearsAhead);
    for (ui::SSCommand* button : w.cmdYear)
        button->installEventFilter(&b.yearsAhead);

    // Stepping through a year
    connect(w.SpinButton1, &ui::SpinButton::spinDown, &b.stepping, &view::AdStepping::ShowPreviousAd);
    connect(w.SpinButton1, &ui::SpinButton::spinUp, &b.stepping, &view::AdStepping::ShowNextAd);
    connect(&b.shownAd, &picture::ShownAdModel::fullPictureFailed, &b.stepping,
            &view::AdStepping::fullPictureFailed);
    connect(&b.shownAd, &picture::ShownAdModel::fullPictureFailed, &b.display,
            &view::AdDisplay::fullPictureFailed);

    // The three views
    connect(w.cmdZoom, &ui::SSCommand::clicked, &b.layout, &view::ViewLayout::zoomInClicked);
    connect(w.SSCommand4, &ui::SSCommand::clicked, &b.layout, &view::ViewLayout::wideClicked);
    connect(w.SSCommand5, &ui::SSCommand::clicked, &b.layout, &view::ViewLayout::toggleClicked);
    connect(w.cmdZoomOut, &ui::SSCommand::clicked, &b.layout, &view::ViewLayout::zoomOutClicked);
    connect(w.SSCommand2, &ui::SSCommand::clicked, &b.layout, &view::ViewLayout::exitClicked);

    // Scrolling the zoomed ad
    connect(w.VScr, &ui::ScrollBar::valueChanged, &b.zoomScrolling, &view::ZoomScrolling::verticalChanged);
    connect(w.HScroll1, &ui::ScrollBar::valueChanged, &b.zoomScrolling,
            &view::ZoomScrolling::horizontalChanged);
    w.picDest->installEventFilter(&b.zoomHandling); // wheel, hand and keys

    // Printing and copying the ad
    connect(w.mnuPrint, &QAction::triggered, &b.adOutput, &output::AdOutput::printCommand);
    connect(w.mnuClip, &QAction::triggered, &b.adOutput, &output::AdOutput::copyAd);
    connect(w.mnuSetup, &QAction::triggered, &b.adOutput, &output::AdOutput::printSetup);
    connect(&w, &ui::Form1::printCopyClicked, &b.adOutput, &output::AdOutput::printCopyClicked);
    connect(w.Image1, &ui::ImageBox::mouseReleased, &b.adOutput, &output::AdOutput::normalViewReleased);
    connect(w.picDest, &ui::PictureBox::mouseReleased, &b.adOutput, &output::AdOutput::zoomedViewReleased);
    connect(w.Image1, &ui::ImageBox::contextMenuKey, &b.adOutput, &output::AdOutput::normalViewMenuKey);
    connect(w.picDest, &ui::PictureBox::contextMenuKey, &b.adOutput, &output::AdOutput::zoomedViewMenuKey);

    // Copying the ads to the hard disk
    connect(w.mnuCopy, &QAction::triggered, &b.copy, &localcopy::AdCopy::copyCommand);
    connect(w.cmdCancel, &ui::SSCommand::clicked, w.pnlProgress, &QWidget::hide);
    connect(w.cmdCopy, &ui::SSCommand::clicked, &b.copy, &localcopy::AdCopy::copyAds);
    connect(&sessionEnd, &platform::SessionEnd::endRequested, &b.copy, &localcopy::AdCopy::sessionEnds);

    // Removing the copy
    connect(w.mnuRemove, &QAction::triggered, &b.removal, &localcopy::AdRemoval::removeCommand);

    // The documents
    connect(w.mnuList, &QAction::triggered, &b.documents, &documents::DocumentWindow::openAdsList);
    connect(w.mnuNotice, &QAction::triggered, &b.documents, &documents::DocumentWindow::openNotice);
    connect(w.mnuRegister, &QAction::triggered, &b.documents, &documents::DocumentWindow::openRegisterForm);

    // About, help and the web links
    connect(w.mnuContents, &QAction::triggered, &b.help, &documents::HelpMenu::showContents);
    connect(w.mnuKestrelSoftware, &QAction::triggered, &b.help, &documents::HelpMenu::openHomePage);
    connect(w.mnuRegisterOL, &QAction::triggered, &b.help, &documents::HelpMenu::openRegistration);
    connect(w.mnuAbout, &QAction::triggered, &b.about, &documents::AboutWindow::show);
    w.installEventFilter(&b.about); // the focus goes on to About while it is open

    // The screen resolution
    connect(w.mnuResolution, &QAction::triggered, &b.resolution, &documents::ResolutionCheck::check);
}

} // namespace program
