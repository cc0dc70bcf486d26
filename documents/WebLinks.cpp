#include "documents/WebLinks.h"

#include "platform/desktop/Shell.h"
#include "platform/desktop/TaskBar.h"
#include "state/ProgramState.h"

namespace documents {

void WebLinks::open(const QString& address) {
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
    shell_.openWebAddress(address);
}

} // namespace documents
