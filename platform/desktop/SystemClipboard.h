#pragma once

#include "platform/desktop/Clipboard.h"

namespace platform {

class SystemClipboard : public Clipboard {
public:
    bool setImage(const QImage& image) override;
};

} // namespace platform
