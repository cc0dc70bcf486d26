#include "BareDecode.h"

#include <QFile>

#include <turbojpeg.h>

#include <memory>
#include <vector>

bool bareDecode(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    if (!handle)
        return false;
    auto* bytes = reinterpret_cast<unsigned char*>(const_cast<char*>(data.constData()));
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    if (tjDecompressHeader3(handle.get(), bytes, static_cast<unsigned long>(data.size()), &width, &height,
                            &subsampling, &colourspace) != 0)
        return false;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    return tjDecompress2(handle.get(), bytes, static_cast<unsigned long>(data.size()), pixels.data(), width,
                         0, height, TJPF_BGRX, 0) == 0;
}
