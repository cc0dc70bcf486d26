#pragma once

#include <QImage>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces every format on the clipboard with the picture; false when it did not get there.
    virtual bool setImage(const QImage& image) = 0;
};

} // namespace platform
