#include "docs/WebLinks.h"

#include "platform/Shell.h"
#include "platform/TaskBar.h"
#include "state/ProgramState.h"

namespace docs {

void WebLinks::open(const QString& address) {
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
    shell_.openWebAddress(address);
}

} // namespace docs
