#pragma once

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
#include "picture/AdDecoder.h"
#include "picture/ShownAdModel.h"
#include "view/AdDisplay.h"
#include "view/AdStepping.h"
#include "view/CategoryOptions.h"
#include "view/ShownAdViews.h"
#include "view/ViewLayout.h"
#include "view/YearsAhead.h"
#include "view/ZoomHandling.h"
#include "view/ZoomScrolling.h"

#include <QStringList>

namespace platform {
struct Services;
}
namespace state {
struct ProgramState;
}
namespace ui {
class Form1;
class Form2;
} // namespace ui

namespace program {

// Every behaviour of the program, each given the panels, the state and the services it uses. Declared in
// the order they are built: each one only refers to those above it.
struct Behaviours {
    Behaviours(platform::Services& services, state::ProgramState& state, ui::Form1& window, ui::Form2& splash,
               QStringList arguments, picture::AdDecoder decoder);

    app::StartUp startUp;
    view::CategoryOptions categories;
    picture::ShownAdModel shownAd;
    view::ShownAdViews shownAdViews;
    view::AdStepping stepping;
    view::AdDisplay display;
    view::YearsAhead yearsAhead;
    view::ViewLayout layout;
    view::ZoomScrolling zoomScrolling;
    view::ZoomHandling zoomHandling;
    output::AdOutput adOutput;
    documents::DocumentWindow documents;
    app::StatusClock clock;
    app::TaskBarCommand taskBar;
    app::MainWindowClosing closing;
    documents::ResolutionCheck resolution;
    documents::WebLinks links;
    documents::HelpMenu help;
    documents::AboutWindow about;
    localcopy::AdCopy copy;
    localcopy::AdRemoval removal;
};

} // namespace program
