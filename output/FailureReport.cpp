#include "output/FailureReport.h"

#include "state/ProgramState.h"

namespace output {

void reportOutputFailure(platform::MessageBoxes& boxes, const QString& whatFailed, const QString& reason) {
    QString text = whatFailed;
    if (!reason.isEmpty())
        text += state::CrLf + state::CrLf + reason;
    boxes.show({text, state::ProductTitle, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation});
}

} // namespace output
