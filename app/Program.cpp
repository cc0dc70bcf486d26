#include "app/Program.h"

#include "app/StartUp.h"
#include "platform/Services.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "view/AdDisplay.h"
#include "view/AdStepping.h"
#include "view/ViewLayout.h"
#include "view/YearSelection.h"
#include "view/ZoomScrolling.h"

namespace app {

Program::Program(platform::Services& services, QStringList arguments)
    : services_(services), mainWindow_(std::make_unique<ui::Form1>()), splash_(std::make_unique<ui::Form2>()),
      startUp_(std::make_unique<StartUp>(services, state_, *splash_, *mainWindow_, std::move(arguments))) {
    auto* years = new view::YearSelection(*mainWindow_, state_, services_.fileLister, this);
    auto* stepping = new view::AdStepping(*mainWindow_, state_, services_, this);
    auto* display = new view::AdDisplay(*mainWindow_, state_, services_, *stepping, this);
    connect(years, &view::YearSelection::categoryChosen, display, &view::AdDisplay::ShowYearAd);
    new view::ViewLayout(*mainWindow_, state_, *years, this);
    new view::ZoomScrolling(*mainWindow_, this);
    mainWindow_->populateMenuBar();
}

Program::~Program() = default;

void Program::start() {
    startUp_->begin();
}

} // namespace app
