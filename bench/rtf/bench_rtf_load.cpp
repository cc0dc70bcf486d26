// Loads a large document into the RichTextBox and compares the time with Debian's unrtf converting the same
// file to HTML, in the same run. Prints "rtf-load-large ratio VALUE target <= 1.0" and fails when the box is
// slower than the converter. The time covers what the document window does: reading the file through the
// program's Files, parsing and building the QTextDocument and handing it to the box; laying out pages is
// excluded (the box lays out lazily as it is shown).

#include "LargeDocument.h"
#include "platform/files/DiskFiles.h"
#include "platform/files/PathResolver.h"
#include "tools/rtfdump/PageCount.h"
#include "ui/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 3;
constexpr double target = 1.0;

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        std::fputs("bench_rtf_load: unrtf is not installed\n", stderr);
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.rtf"));
    const QByteArray data = largeDocument(200);
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fputs("bench_rtf_load: cannot write the test document\n", stderr);
        return 2;
    }
    file.close();
    platform::DriveTable drives;
    drives.set('D', dir.path());
    const platform::PathResolver paths(drives);
    const platform::DiskFiles files(paths);
    const QString pathText = QStringLiteral("D:\\large.rtf");

    qint64 ours = -1;
    int pages = 0;
    qint64 layout = 0;
    for (int run = 0; run < runs; ++run) {
        ui::RichTextBox box;
        QElapsedTimer timer;
        timer.start();
        platform::OpenResult opened = files.openRead(pathText);
        const platform::ReadResult read =
            opened.status.ok ? opened.file.read(data.size() + 1) : platform::ReadResult{opened.status, {}};
        if (!read.status.ok || box.load(read.bytes, QStringLiteral("large.rtf")) != rtf::RtfError::None) {
            std::fputs("bench_rtf_load: the box refused the document\n", stderr);
            return 2;
        }
        const qint64 elapsed = timer.nsecsElapsed();
        ours = ours < 0 ? elapsed : std::min(ours, elapsed);
        if (run == 0) {
            QElapsedTimer layoutTimer;
            layoutTimer.start();
            pages = rtfdump::pagesOnA4(*box.document());
            layout = layoutTimer.nsecsElapsed();
        }
    }

    qint64 theirs = -1;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setStandardOutputFile(dir.filePath(QStringLiteral("large.html")));
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(unrtf, {QStringLiteral("--html"), path});
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            std::fputs("bench_rtf_load: unrtf failed\n", stderr);
            return 2;
        }
        const qint64 elapsed = timer.nsecsElapsed();
        theirs = theirs < 0 ? elapsed : std::min(theirs, elapsed);
    }

    std::fprintf(stderr,
                 "rtf-load-large: %.1f MB, %d pages on A4; box %.0f ms, unrtf --html %.0f ms (best of %d); "
                 "laying out the pages, not counted: %.0f ms\n",
                 data.size() / 1e6, pages, ours / 1e6, theirs / 1e6, runs, layout / 1e6);
    if (data.size() < 2'000'000 || pages < 150) {
        std::fputs("bench_rtf_load: the test document is smaller than intended\n", stderr);
        return 2;
    }
    const double ratio = static_cast<double>(ours) / static_cast<double>(theirs);
    std::printf("rtf-load-large ratio %.3f target <= %.1f\n", ratio, target);
    return ratio <= target ? 0 : 1;
}
