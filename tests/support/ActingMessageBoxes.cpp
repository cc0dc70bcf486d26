#include "support/ActingMessageBoxes.h"

int ActingMessageBoxes::show(const platform::MessageBoxRequest& request) {
    if (onShow)
        onShow();
    return ScriptedMessageBoxes::show(request);
}
