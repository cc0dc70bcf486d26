#include "documents/WebLinks.h"

#include "platform/Shell.h"
#include "platform/TaskBar.h"
#include "state/ProgramState.h"

namespace documents {

void WebLinks::open(const QString& address) {
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
    shell_.openWebAddress(address);
}

} // namespace documents
