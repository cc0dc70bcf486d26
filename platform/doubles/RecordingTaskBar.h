#pragma once

#include "platform/desktop/TaskBar.h"

#include <vector>

namespace platform {

class RecordingTaskBar : public TaskBar {
public:
    struct Call {
        quintptr handle;
        int command;
        friend bool operator==(const Call&, const Call&) = default;
    };

    explicit RecordingTaskBar(quintptr trayHandle = 0) : trayHandle_(trayHandle) {}
    void setTrayHandle(quintptr handle) { trayHandle_ = handle; }

    quintptr findTrayWindow() override {
        ++lookups_;
        return trayHandle_;
    }
    void showWindow(quintptr handle, int command) override { calls_.push_back({handle, command}); }

    int lookups() const { return lookups_; }
    const std::vector<Call>& calls() const { return calls_; }

private:
    quintptr trayHandle_;
    int lookups_ = 0;
    std::vector<Call> calls_;
};

} // namespace platform
