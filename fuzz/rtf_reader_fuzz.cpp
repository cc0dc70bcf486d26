// libFuzzer entry point: any bytes given to the reader must come back as a document or a refusal,
// without crashing, hanging or touching memory it does not own.

#include "rtf/RtfReader.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static QGuiApplication app(qtArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const rtf::RtfLoadResult result = rtf::readRtf(bytes);
    if (result.ok() != (result.document != nullptr))
        std::abort();
    if (result.ok())
        (void)result.document->toPlainText();
    return 0;
}
