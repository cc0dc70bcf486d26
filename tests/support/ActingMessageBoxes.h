#pragma once

#include "platform/doubles/ScriptedMessageBoxes.h"

#include <functional>

// Message boxes that run an action when a box appears, as a user would put the disc back before
// answering Retry.
class ActingMessageBoxes : public platform::ScriptedMessageBoxes {
public:
    std::function<void()> onShow;
    int show(const platform::MessageBoxRequest& request) override;
};
