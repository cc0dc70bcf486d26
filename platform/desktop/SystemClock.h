#pragma once

#include "platform/desktop/Clock.h"

namespace platform {

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace platform
