#include "app/Program.h"

#include "app/StartUp.h"
#include "platform/Services.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "view/YearSelection.h"

namespace app {

Program::Program(platform::Services& services, QStringList arguments)
    : services_(services), mainWindow_(std::make_unique<ui::Form1>()), splash_(std::make_unique<ui::Form2>()),
      startUp_(std::make_unique<StartUp>(services, state_, *splash_, *mainWindow_, std::move(arguments))) {
    new view::YearSelection(*mainWindow_, state_, services_.fileLister, this);
    mainWindow_->populateMenuBar();
}

Program::~Program() = default;

void Program::start() { startUp_->begin(); }

} // namespace app
