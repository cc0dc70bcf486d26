#pragma once

#include "platform/desktop/BusyCursor.h"

namespace platform {

class ApplicationBusyCursor : public BusyCursor {
public:
    void setBusy() override;
    void setArrow() override;
};

} // namespace platform
