#pragma once

#include "platform/desktop/Clipboard.h"

#include <vector>

namespace platform {

class RecordingClipboard : public Clipboard {
public:
    void setFails(bool fails) { fails_ = fails; }
    bool setImage(const QImage& image) override {
        images_.push_back(image);
        return !fails_;
    }
    const std::vector<QImage>& images() const { return images_; }

private:
    bool fails_ = false;
    std::vector<QImage> images_;
};

} // namespace platform
