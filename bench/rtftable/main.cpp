// Loads a table of 4,000 rows of 64 empty cells, which a hostile document needs only 1.3 MB for, and a
// genuine table of 263 rows as a word processor writes it (a row definition before each row, text in each
// cell), in the same run. Prints "rtf-table-4000-rows ratio VALUE target <= 8" (best of three each) and
// fails when the large table costs more: its load must grow with its size, not with its square.

#include "rtf/RtfReader.h"
#include "tools/makecatalog/RtfWriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 3;
constexpr double target = 8.0;

QByteArray emptyRows(int rows, int columns) {
    QByteArray data = "{\\rtf1\\ansi\\trowd";
    for (int column = 1; column <= columns; ++column)
        data += "\\cellx" + QByteArray::number(column * 100);
    QByteArray row = "\\intbl";
    for (int column = 0; column < columns; ++column)
        row += "\\cell";
    row += "\\row\n";
    for (int k = 0; k < rows; ++k)
        data += row;
    return data + "}";
}

QByteArray genuineTable(int rows) {
    samplecatalog::rtf::Document doc;
    doc.heading(QStringLiteral("Checklist"));
    const QList<int> widths{1400, 2000, 1200, 2400};
    doc.tableRow(
        {QStringLiteral("Year"), QStringLiteral("Category"), QStringLiteral("No."), QStringLiteral("File")},
        widths, true);
    for (int k = 1; k < rows; ++k)
        doc.tableRow({QString::number(1953 + k % 49), QStringLiteral("w/Pellion"), QString::number(k % 100),
                      QStringLiteral("%1pepe%2.jpg").arg(k % 49 + 53).arg(k % 100, 2, 10, QLatin1Char('0'))},
                     widths);
    doc.paragraph({samplecatalog::rtf::escape(QStringLiteral("End of the list."))});
    return doc.finish();
}

// Best of the runs, in nanoseconds, or -1 when the reader refused the document.
qint64 bestLoad(const QByteArray& data, int& rowsRead) {
    qint64 best = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const rtf::RtfLoadResult result = rtf::readRtf(data);
        const qint64 elapsed = timer.nsecsElapsed();
        if (!result.ok())
            return -1;
        rowsRead = result.document->blockCount();
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QByteArray hostile = emptyRows(4000, 64);
    const QByteArray genuine = genuineTable(263);
    int hostileBlocks = 0;
    int genuineBlocks = 0;
    const qint64 large = bestLoad(hostile, hostileBlocks);
    const qint64 reference = bestLoad(genuine, genuineBlocks);
    if (large < 0 || reference < 0 || hostileBlocks < 1000 || genuineBlocks < 263 * 4) {
        std::fputs("bench_rtf_table: a table was refused or read short\n", stderr);
        return 2;
    }
    std::fprintf(stderr,
                 "rtf-table-4000-rows: %.1f MB of 4000 x 64 empty cells %.0f ms; %.0f KB of 263 x 4 cells "
                 "%.1f ms (best of %d)\n",
                 hostile.size() / 1e6, large / 1e6, genuine.size() / 1e3, reference / 1e6, runs);
    const double ratio = static_cast<double>(large) / static_cast<double>(reference);
    std::printf("rtf-table-4000-rows ratio %.2f target <= %.0f\n", ratio, target);
    return ratio <= target ? 0 : 1;
}
