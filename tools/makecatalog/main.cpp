// vantorads-makecatalog OUTDIR: writes the sample catalog (ads and documents) into OUTDIR.

#include "tools/makecatalog/SampleCatalog.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The pages are drawn off screen; the tool must also run where no display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args[1].isEmpty()) {
        std::fprintf(stderr, "usage: vantorads-makecatalog OUTDIR\n");
        return 1;
    }
    const QString outDir = args[1];
    QString error;
    if (!samplecatalog::writeSampleCatalog(outDir, &error)) {
        std::fprintf(stderr, "vantorads-makecatalog: %s\n", qUtf8Printable(error));
        return 1;
    }
    std::printf("Wrote %d ad pages to %s/ads and 3 documents to %s/RichText\n",
                static_cast<int>(samplecatalog::sampleAds().size()), qUtf8Printable(outDir),
                qUtf8Printable(outDir));
    return 0;
}
