#pragma once

#include "platform/files/Mounts.h"

namespace platform {

class ProcSelfMounts : public Mounts {
public:
    QString text() const override;
};

} // namespace platform
