// rtfdump FILE: loads FILE with the program's RTF reader and prints its plain text and a summary line.
// Exit status 0 when the file loaded, 1 when it was refused; nothing else, whatever the file holds.

#include "rtf/RtfReader.h"
#include "tools/rtfdump/DocumentSummary.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

int run(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rtfdump FILE\n", stderr);
        return 1;
    }
    const rtf::RtfLoadResult result = rtf::readRtfFile(QString::fromLocal8Bit(argv[1]));
    if (!result.ok()) {
        std::fprintf(stderr, "rtfdump: %s: %s\n", argv[1], qPrintable(rtf::describeRtfError(result.error)));
        return 1;
    }
    const QByteArray text = result.document->toPlainText().toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fputc('\n', stdout);
    std::printf("%s\n", qPrintable(summaryLine(summarize(*result.document))));
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    try {
        // Laying out pages needs fonts, hence a GUI application, but never a display; a platform chosen in
        // the environment could fail to start and end the program with a status of its own.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt must not take options out of the command line: a file may be named like one.
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rtfdump: %s\n", error.what());
    } catch (...) {
        std::fputs("rtfdump: unexpected failure\n", stderr);
    }
    return 1;
}
