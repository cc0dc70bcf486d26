#include "program/Program.h"

#include "app/MainWindowClosing.h"
#include "app/StartUp.h"
#include "app/StatusClock.h"
#include "app/TaskBarCommand.h"
#include "documents/AboutWindow.h"
#include "documents/DocumentWindow.h"
#include "documents/HelpMenu.h"
#include "documents/ResolutionCheck.h"
#include "documents/WebLinks.h"
#include "localcopy/AdCopy.h"
#include "localcopy/AdRemoval.h"
#include "output/AdOutput.h"
#include "picture/ShownAdModel.h"
#include "platform/Services.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "view/AdDisplay.h"
#include "view/AdStepping.h"
#include "view/CategoryOptions.h"
#include "view/ShownAdViews.h"
#include "view/ViewLayout.h"
#include "view/YearsAhead.h"
#include "view/ZoomHandling.h"
#include "view/ZoomScrolling.h"

namespace program {

Program::Program(platform::Services& services, QStringList arguments, picture::AdDecoder decoder)
    : services_(services), mainWindow_(std::make_unique<ui::Form1>()), splash_(std::make_unique<ui::Form2>()),
      startUp_(
          std::make_unique<app::StartUp>(services, state_, *splash_, *mainWindow_, std::move(arguments))) {
    ui::Form1& window = *mainWindow_;
    platform::Services& s = services_;
    auto* categories = new view::CategoryOptions(window, state_.catalog, state_.location, s.fileLister, this);
    shownAd_ = new picture::ShownAdModel(s.files, s.cursor, std::move(decoder), this);
    new view::ShownAdViews(window, *shownAd_, this);
    auto* stepping =
        new view::AdStepping(window, state_.shown, state_.catalog, s.cursor, s.fileLister, *shownAd_, this);
    auto* display = new view::AdDisplay(window, state_.shown, state_.catalog, state_.location, state_.report,
                                        s.messageBoxes, s.programExit, s.cursor, s.fileLister, *shownAd_,
                                        *stepping, this);
    auto* yearsAhead = new view::YearsAhead(window, state_.catalog, state_.location, *shownAd_, this);
    connect(categories, &view::CategoryOptions::categoryChosen, display, &view::AdDisplay::ShowYearAd);
    connect(categories, &view::CategoryOptions::categoryChosen, yearsAhead,
            &view::YearsAhead::readCategoryAhead);
    new view::ViewLayout(window, state_.view, state_.catalog, state_.shown, *categories, this);
    new view::ZoomScrolling(window, this);
    new view::ZoomHandling(window, this);
    new output::AdOutput(window, state_.output, *shownAd_, s.printer, s.screen, s.clipboard, s.messageBoxes,
                         this);
    new documents::DocumentWindow(window, state_.shown, state_.location, state_.report, state_.output,
                                  s.files, s.messageBoxes, s.programExit, s.printer, s.cursor, s.screen,
                                  this);
    new app::StatusClock(window, s.clock, this);
    new app::TaskBarCommand(window, state_.taskBar, s.taskBar, s.screen, this);
    new app::MainWindowClosing(window, state_.taskBar, s.taskBar, s.settings, s.programExit, s.sessionEnd,
                               this);
    new documents::ResolutionCheck(window, state_.report, s.screen, s.messageBoxes, this);
    auto* links = new documents::WebLinks(state_.taskBar, s.taskBar, s.shell, this);
    new documents::HelpMenu(window, *links, this);
    new documents::AboutWindow(window, *links, this);
    new localcopy::AdCopy(window, state_.location, state_.report, state_.catalog, state_.copy, s.messageBoxes,
                          s.programExit, s.fileLister, s.files, s.folders, s.screen, s.cursor, s.sessionEnd,
                          this);
    new localcopy::AdRemoval(window, state_.location, state_.report, state_.output, state_.copy,
                             s.messageBoxes, s.files, s.folders, this);
}

Program::~Program() = default;

void Program::start() {
    startUp_->begin();
}

} // namespace program
