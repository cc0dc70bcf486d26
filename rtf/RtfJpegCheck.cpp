#include "rtf/RtfJpegCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace rtf {

namespace {

struct Component {
    int id = -1;
    int horizontal = 1;
    int vertical = 1;
    std::int64_t blocks = 0;
};

class Markers {
public:
    explicit Markers(QByteArrayView bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }
    int byte(qsizetype k) const { return k < bytes_.size() ? static_cast<unsigned char>(bytes_[k]) : -1; }

    // The next marker's code, or -1 at the end of the data.
    int next() {
        while (at_ < bytes_.size() && byte(at_) != 0xFF)
            ++at_;
        while (at_ < bytes_.size() && byte(at_) == 0xFF)
            ++at_;
        return at_ < bytes_.size() ? byte(at_++) : -1;
    }
    // A segment's bytes after its length, which stays within the data; empty when it does not.
    QByteArrayView segment() {
        const int high = byte(at_);
        const int low = byte(at_ + 1);
        if (high < 0 || low < 0 || high * 256 + low < 2)
            return {};
        const qsizetype length = high * 256 + low;
        if (at_ + length > bytes_.size())
            return {};
        const QByteArrayView body = bytes_.sliced(at_ + 2, length - 2);
        at_ += length;
        return body;
    }
    // Past a scan's entropy-coded data, to the marker that ends it.
    void skipScanData() {
        while (at_ + 1 < bytes_.size()) {
            if (byte(at_) == 0xFF) {
                const int code = byte(at_ + 1);
                if (code != 0 && code != 0xFF && (code < 0xD0 || code > 0xD7))
                    return;
            }
            ++at_;
        }
        at_ = bytes_.size();
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 2;
};

bool isFrameHeader(int code) {
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

int at(QByteArrayView data, qsizetype k) {
    return static_cast<unsigned char>(data[k]);
}

} // namespace

bool jpegWorkIsBounded(QByteArrayView jpeg) {
    if (jpeg.size() < 4 || at(jpeg, 0) != 0xFF || at(jpeg, 1) != 0xD8)
        return false;
    Markers markers(jpeg);
    std::array<Component, 4> components;
    int componentCount = 0;
    std::int64_t allBlocks = 0;
    std::int64_t walked = 0;
    int scans = 0;
    for (int code = markers.next(); code >= 0 && code != 0xD9; code = markers.next()) {
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        const QByteArrayView body = markers.segment();
        if (isFrameHeader(code)) {
            if (componentCount > 0 || body.size() < 6)
                return false;
            const std::int64_t height = at(body, 1) * 256 + at(body, 2);
            const std::int64_t width = at(body, 3) * 256 + at(body, 4);
            componentCount = at(body, 5);
            if (width == 0 || height == 0 || componentCount < 1 || componentCount > 4 ||
                body.size() < 6 + 3 * componentCount)
                return false;
            int maxHorizontal = 1;
            int maxVertical = 1;
            for (int k = 0; k < componentCount; ++k) {
                Component& component = components[static_cast<std::size_t>(k)];
                component.id = at(body, 6 + 3 * k);
                component.horizontal = std::max(1, at(body, 7 + 3 * k) >> 4);
                component.vertical = std::max(1, at(body, 7 + 3 * k) & 15);
                maxHorizontal = std::max(maxHorizontal, component.horizontal);
                maxVertical = std::max(maxVertical, component.vertical);
            }
            std::int64_t fullest = 0;
            for (int k = 0; k < componentCount; ++k) {
                Component& component = components[static_cast<std::size_t>(k)];
                const std::int64_t columns =
                    (width * component.horizontal + maxHorizontal - 1) / maxHorizontal;
                const std::int64_t rows = (height * component.vertical + maxVertical - 1) / maxVertical;
                component.blocks = ((columns + 7) / 8) * ((rows + 7) / 8);
                allBlocks += component.blocks;
                fullest = std::max(fullest, component.blocks);
            }
            if (jpeg.size() < fullest / JpegBlocksPerByteLimit)
                return false;
        } else if (code == 0xDA) {
            if (componentCount == 0 || body.isEmpty() || ++scans > JpegScanLimit)
                return false;
            const int inScan = std::min<qsizetype>(at(body, 0), (body.size() - 1) / 2);
            for (int k = 0; k < inScan; ++k) {
                const int id = at(body, 1 + 2 * k);
                for (int c = 0; c < componentCount; ++c)
                    if (components[static_cast<std::size_t>(c)].id == id)
                        walked += components[static_cast<std::size_t>(c)].blocks;
            }
            if (walked > JpegScanWalksLimit * allBlocks)
                return false;
            markers.skipScanData();
        }
    }
    return scans > 0;
}

} // namespace rtf
