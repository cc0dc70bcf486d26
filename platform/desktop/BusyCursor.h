#pragma once

namespace platform {

// The pointer of the whole screen: the hourglass while the program is busy, otherwise the arrow.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void setBusy() = 0;
    // Back to the arrow however many times busy was set.
    virtual void setArrow() = 0;
};

// Shows the hourglass for its lifetime and restores the arrow on every way out of the scope.
class BusyCursorGuard {
public:
    explicit BusyCursorGuard(BusyCursor& cursor) : cursor_(cursor) { cursor_.setBusy(); }
    ~BusyCursorGuard() { cursor_.setArrow(); }
    BusyCursorGuard(const BusyCursorGuard&) = delete;
    BusyCursorGuard& operator=(const BusyCursorGuard&) = delete;

private:
    BusyCursor& cursor_;
};

} // namespace platform
