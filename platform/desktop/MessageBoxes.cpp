#include "platform/desktop/MessageBoxes.h"

namespace platform {

int harmlessReply(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return Reply::No;
    case MessageButtons::RetryCancel:
        return Reply::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return Reply::Ok;
}

} // namespace platform
