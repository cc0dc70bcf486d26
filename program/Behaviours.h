#pragma once

#include "app/MainWindowClosing.h"
#include "app/StartUp.h"
#include "app/StatusClock.h"
#include "app/TaskBarCommand.h"
#include "docs/AboutWindow.h"
#include "docs/DocumentWindow.h"
#include "docs/HelpMenu.h"
#include "docs/ResolutionCheck.h"
#include "docs/WebLinks.h"
#include "install/AdCopy.h"
#include "install/AdRemoval.h"
#include "output/AdOutput.h"
#include "view/AdDecoder.h"
#include "view/AdDisplay.h"
#include "view/AdStepping.h"
#include "view/ShownAdModel.h"
#include "view/ShownAdViews.h"
#include "view/ViewLayout.h"
#include "view/YearSelection.h"
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
               QStringList arguments, view::AdDecoder decoder);

    app::StartUp startUp;
    view::YearSelection years;
    view::ShownAdModel shownAd;
    view::ShownAdViews shownAdViews;
    view::AdStepping stepping;
    view::AdDisplay display;
    view::YearsAhead yearsAhead;
    view::ViewLayout layout;
    view::ZoomScrolling zoomScrolling;
    view::ZoomHandling zoomHandling;
    output::AdOutput adOutput;
    docs::DocumentWindow documents;
    app::StatusClock clock;
    app::TaskBarCommand taskBar;
    app::MainWindowClosing closing;
    docs::ResolutionCheck resolution;
    docs::WebLinks links;
    docs::HelpMenu help;
    docs::AboutWindow about;
    install::AdCopy copy;
    install::AdRemoval removal;
};

} // namespace program
