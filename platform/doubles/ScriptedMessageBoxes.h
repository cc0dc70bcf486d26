#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace platform {

// Message boxes for tests: replies are queued beforehand and every box shown is recorded. A box without
// a queued reply fails the running test (naming the box's text) and gets the reply that does no harm;
// nothing ever waits for a user.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    void expect(int reply) { replies_.push_back(reply); }
    void answer(std::initializer_list<int> replies) { replies_.insert(replies_.end(), replies); }

    int show(const MessageBoxRequest& request) override;

    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    const MessageBoxRequest& last() const { return shown_.back(); }
    int pendingReplies() const { return int(replies_.size()); }
    int unexpectedBoxes() const { return unexpected_; }

private:
    std::deque<int> replies_;
    std::vector<MessageBoxRequest> shown_;
    int unexpected_ = 0;
};

} // namespace platform
