// Decodes the worst JPEG files a damaged or hostile disc may hold through the viewer's decoder, at full
// size and reduced as the normal view asks, and compares the slowest with the bare TurboJPEG decode of a
// 2550 x 3300 scan-like page, in the same run. Prints "ad-worst-hostile ratio VALUE target <= 3" (best of
// three each) and fails when a bomb costs more: whatever a file claims, its decode stays near a real ad's.

#include "BareDecode.h"
#include "ScanLikePage.h"
#include "picture/AdPicture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int runs = 3;
constexpr double target = 3.0;

qint64 best(const std::function<void()>& work) {
    qint64 fastest = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        const qint64 elapsed = timer.nsecsElapsed();
        fastest = fastest < 0 ? elapsed : std::min(fastest, elapsed);
    }
    return fastest;
}

QByteArray encoded(const QImage& image, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// The frame header made to claim another size.
QByteArray claiming(QByteArray jpeg, int width, int height) {
    qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        frame = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

// The file with one of its scans (from its start-of-scan marker to the next marker that is not a restart)
// repeated before the end: the largest, which decodes its data again each time, or the smallest, which
// carries next to nothing but still walks its blocks.
QByteArray repeatingScan(const QByteArray& progressive, bool largest, int times) {
    QByteArray chosen;
    for (qsizetype at = progressive.indexOf(QByteArray("\xFF\xDA", 2)); at >= 0;) {
        qsizetype end = at + 2;
        while (end + 1 < progressive.size() &&
               !(uchar(progressive[end]) == 0xFF && uchar(progressive[end + 1]) != 0 &&
                 (uchar(progressive[end + 1]) < 0xD0 || uchar(progressive[end + 1]) > 0xD7)))
            ++end;
        const QByteArray scan = progressive.mid(at, end - at);
        if (chosen.isEmpty() || (largest ? scan.size() > chosen.size() : scan.size() < chosen.size()))
            chosen = scan;
        at = progressive.indexOf(QByteArray("\xFF\xDA", 2), end);
    }
    const qsizetype end = progressive.lastIndexOf(QByteArray("\xFF\xD9", 2));
    return progressive.left(end) + chosen.repeated(times) + "\xFF\xD9";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray page = scanLikeJpeg(2550, 3300, 7);
    const QString pagePath = dir.filePath(QStringLiteral("page.jpg"));
    QFile file(pagePath);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(page) != page.size()) {
        std::fputs("bench_ad_hostile: cannot write the page\n", stderr);
        return 2;
    }
    file.close();
    bool decoded = true;
    const qint64 reference = best([&] { decoded = bareDecode(pagePath) && decoded; });

    QImage small(320, 240, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    const QByteArray baseline = encoded(small, false);
    const QByteArray progressive = encoded(small, true);
    QImage scan;
    scan.loadFromData(page, "jpeg");
    const QByteArray progressivePage = encoded(scan, true);
    const QByteArray cut = page.left(page.size() / 3) + "\xFF\xD9";
    const struct {
        const char* name;
        QByteArray bytes;
    } bombs[] = {
        {"1 KB claiming 10000 x 15000", claiming(baseline, 10000, 15000)},
        {"progressive, 1 KB claiming 10000 x 15000", claiming(progressive, 10000, 15000)},
        {"progressive page, smallest scan 499 times", repeatingScan(progressivePage, false, 499)},
        {"progressive page, largest scan 20 times", repeatingScan(progressivePage, true, 20)},
        {"progressive page as it is", progressivePage},
        {"page cut at a third, end marker", cut},
    };
    qint64 worst = 0;
    for (const auto& bomb : bombs) {
        bool accepted = false;
        const qint64 full = best([&] { accepted = picture::decodeAdPicture(bomb.bytes).ok() || accepted; });
        const qint64 reduced = best([&] { picture::decodeAdPicture(bomb.bytes, QSize(640, 480)); });
        std::fprintf(stderr, "  %-45s %7.1f ms full, %7.1f ms reduced, %s\n", bomb.name, full / 1e6,
                     reduced / 1e6, accepted ? "shown" : "refused");
        worst = std::max({worst, full, reduced});
    }
    if (!decoded) {
        std::fputs("bench_ad_hostile: the page did not decode\n", stderr);
        return 2;
    }
    std::fprintf(stderr,
                 "ad-worst-hostile: worst bomb %.1f ms; bare decode of the 2550 x 3300 page %.1f ms\n",
                 worst / 1e6, reference / 1e6);
    const double ratio = static_cast<double>(worst) / static_cast<double>(reference);
    std::printf("ad-worst-hostile ratio %.2f target <= %.0f\n", ratio, target);
    return ratio <= target ? 0 : 1;
}
