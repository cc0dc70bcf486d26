#pragma once

#include "platform/desktop/BusyCursor.h"

#include <vector>

namespace platform {

class RecordingBusyCursor : public BusyCursor {
public:
    enum class Change { Busy, Arrow };

    void setBusy() override {
        changes_.push_back(Change::Busy);
        busy_ = true;
    }
    void setArrow() override {
        changes_.push_back(Change::Arrow);
        busy_ = false;
    }
    bool isBusy() const { return busy_; }
    const std::vector<Change>& changes() const { return changes_; }

private:
    std::vector<Change> changes_;
    bool busy_ = false;
};

} // namespace platform
