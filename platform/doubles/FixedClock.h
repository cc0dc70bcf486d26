#pragma once

#include "platform/desktop/Clock.h"

namespace platform {

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime time = QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)))
        : time_(std::move(time)) {}
    void set(const QDateTime& time) { time_ = time; }
    void advanceSeconds(qint64 seconds) { time_ = time_.addSecs(seconds); }
    QDateTime now() const override { return time_; }

private:
    QDateTime time_;
};

} // namespace platform
