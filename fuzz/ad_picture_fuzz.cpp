// libFuzzer entry point for the ad decoder: any bytes come back as a picture or a refusal, in bounded time
// and memory, at full size and reduced as the normal view asks.

#include "picture/AdPicture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QSize atLeast : {QSize(), QSize(64, 48)}) {
        const picture::AdPicture ad = picture::decodeAdPicture(bytes, atLeast);
        if (ad.ok() == ad.picture.isNull())
            std::abort();
    }
    return 0;
}
