// Figures of the ad viewer, each against a reference measured in the same run: showing a year's ad, with
// and without it decoded ahead, stepping to an ad decoded ahead, and zooming in at once, against a bare
// TurboJPEG decode of the same file; the memory the shown ad costs against 4 bytes a pixel, and what
// stepping through a year in the zoomed view costs against one decoded scan; the view switches and a small
// page's display against one 60 Hz frame; a held-down key's lag against 100 ms; and, through a simulated
// CD drive, a year and a step decoded ahead against ones that were not.

#include "BareDecode.h"
#include "BenchViewer.h"
#include "Measure.h"
#include "UsageFigures.h"

#include "picture/ShownAdModel.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SpinButton.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr double FrameMilliseconds = 16.0;
// A lag a user no longer feels as one.
constexpr double LagMilliseconds = 100.0;
constexpr int ScanYearAds = 101;

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    BenchViewer viewer;
    viewer.drawn(QStringLiteral("53kxpe00.jpg"), 60, 80);
    const QString scan = viewer.scan(QStringLiteral("63kxpe00.jpg"), 1);
    viewer.scan(QStringLiteral("63kxpe01.jpg"), 2);
    const QString large = viewer.drawn(QStringLiteral("64kxpe00.jpg"), 2400, 3200);
    const QString medium = viewer.drawn(QStringLiteral("65kxpe00.jpg"), 1100, 1450);
    for (const char* name : {"66kxpe00.jpg", "66kxpe01.jpg", "66kxpe02.jpg"})
        viewer.drawn(QString::fromLatin1(name), 4000, 5000);
    viewer.scan(QStringLiteral("67kxpe00.jpg"), 3);
    const QString afterGap = viewer.scan(QStringLiteral("67kxpe51.jpg"), 4);
    const QString preparedYear = viewer.scan(QStringLiteral("68kxpe00.jpg"), 5);
    // A full year of scans, three pages taking turns.
    std::vector<QByteArray> pages;
    for (unsigned seed : {6u, 7u, 8u}) {
        QFile page(viewer.scan(QStringLiteral("69kxpe00.jpg"), seed));
        page.open(QIODevice::ReadOnly);
        pages.push_back(page.readAll());
    }
    for (int n = 0; n < ScanYearAds; ++n) {
        QFile file(viewer.ads + QStringLiteral("/69kxpe%1.jpg").arg(n, 2, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(pages[std::size_t(n) % pages.size()]) <= 0)
            qFatal("cannot write the year of scans");
    }
    viewer.start();
    if (!viewer.window().isVisible()) {
        std::fprintf(stderr, "the main window did not open\n");
        return 2;
    }
    std::printf("scan-like page 2550x3300, %.2f bits a pixel\n",
                QFile(scan).size() * 8.0 / (2550.0 * 3300.0));

    bool allMet = true;
    const auto rest = [&] {
        viewer.showYear(0);
        viewer.settle();
    };

    // Memory first, before larger pictures have come and gone and left freed memory in the process.
    rest();
    const long long before = residentBytes();
    viewer.showYear(13);
    viewer.settle();
    const long long after = residentBytes();
    allMet &=
        report(QStringLiteral("memory-4000x5000"), double(after - before) / (4000.0 * 5000.0 * 4.0), 1.5);
    const double scanBytes = 2550.0 * 3300.0 * 4.0;
    const long long fast = zoomedSteppingGrowth(viewer, 16, false);
    const long long settled = zoomedSteppingGrowth(viewer, 16, true);
    std::printf("zoomed stepping through %d scans: peak growth %.0f MB fast, %.0f MB settled\n", ScanYearAds,
                double(fast) / 1e6, double(settled) / 1e6);
    allMet &=
        report(QStringLiteral("memory-zoomed-stepping"), double(std::max(fast, settled)) / scanBytes, 4.0);

    const double scanDecode = medianMilliseconds(Runs, [&] { bareDecode(scan); });
    ui::SpinButton* spin = viewer.window().SpinButton1;
    for (const auto& [name, button, path, limit] :
         {std::tuple{QStringLiteral("scan"), 10, scan, 0.9},
          std::tuple{QStringLiteral("2400x3200"), 11, large, 1.0}}) {
        const double decode = medianMilliseconds(Runs, [&] { bareDecode(path); });
        const double display = medianMilliseconds(
            Runs, [&] { viewer.showYear(button); }, rest);
        allMet &= report(QStringLiteral("year-display-") + name, display / decode, limit);
    }
    // A page that decodes in less than a frame: what a user sees is whether it comes within the frame.
    std::printf("bare decode of the drawn 1100x1450 page: %.1f ms\n",
                medianMilliseconds(Runs, [&] { bareDecode(medium); }));
    allMet &= report(QStringLiteral("year-display-small-frame"),
                     medianMilliseconds(
                         Runs, [&] { viewer.showYear(12); }, rest) /
                         FrameMilliseconds,
                     1.0);

    // The focus on a year button has its year decoded ahead, as after showing the year before it.
    const double prepared = medianMilliseconds(
        Runs, [&] { viewer.showYear(15); },
        [&] {
            rest();
            viewer.window().cmdYear[15]->setFocus();
            viewer.settle();
        });
    allMet &= report(QStringLiteral("year-display-prepared"),
                     prepared / (medianMilliseconds(Runs, [&] { bareDecode(preparedYear); })), 0.2);

    viewer.showYear(10);
    viewer.settle();
    bool forward = true;
    const double step = medianMilliseconds(
        Runs,
        [&] {
            viewer.click(forward ? spin->upArrow() : spin->downArrow());
            forward = !forward;
        },
        [&] { viewer.settle(); });
    allMet &= report(QStringLiteral("step-prepared"), step / scanDecode, 0.2);

    viewer.showYear(14);
    viewer.settle();
    // Each timed step goes from ad 0 over the 50 missing numbers to ad 51; the untimed step back returns.
    const double overGap = medianMilliseconds(
        Runs, [&] { viewer.click(spin->upArrow()); },
        [&] {
            viewer.click(spin->downArrow());
            viewer.settle();
        });
    allMet &= report(QStringLiteral("step-over-50-missing"),
                     overGap / medianMilliseconds(Runs, [&] { bareDecode(afterGap); }), 0.3);

    ui::Form1& w = viewer.window();
    const double zoom = medianMilliseconds(
        Runs,
        [&] {
            viewer.showYear(10);
            viewer.click(w.cmdZoom);
        },
        [&] {
            viewer.click(w.cmdZoomOut);
            rest();
        });
    viewer.click(w.cmdZoomOut);
    allMet &= report(QStringLiteral("zoom-after-display"), zoom / scanDecode, 1.0);

    // A key held down through a year of scans: each key one step, the last ad painted soon after the last
    // key.
    viewer.showYear(16);
    viewer.settle();
    const double lag = burstLagMilliseconds(viewer, 16, 30, 33);
    if (lag < 0) {
        std::fprintf(stderr, "a held-down key lost or merged steps\n");
        return 2;
    }
    allMet &= report(QStringLiteral("burst-lag"), lag / LagMilliseconds, 1.0);
    viewer.settle();

    // Through a CD drive: a year whose first ad was read and decoded ahead, against one that was not; a step
    // to a neighbour read and decoded ahead, against one to a neighbour forgotten just before.
    viewer.disc.setSlow(true);
    const auto restCold = [&] {
        rest();
        viewer.disc.dropCache();
    };
    const double discYear = medianMilliseconds(
        Runs, [&] { viewer.showYear(15); }, restCold);
    const double discYearPrepared = medianMilliseconds(
        Runs, [&] { viewer.showYear(15); },
        [&] {
            rest();
            viewer.window().cmdYear[15]->setFocus();
            viewer.settle();
        });
    allMet &= report(QStringLiteral("slow-disc-year-prepared"), discYearPrepared / discYear, 0.1);
    viewer.showYear(10);
    viewer.settle();
    const auto discStep = [&](bool ahead) {
        bool up = true;
        return medianMilliseconds(
            Runs,
            [&] {
                viewer.click(up ? spin->upArrow() : spin->downArrow());
                up = !up;
            },
            [&] {
                viewer.settle();
                if (!ahead) {
                    viewer.model().dropPrepared();
                    viewer.disc.dropCache();
                }
            });
    };
    const double discStepAlone = discStep(false);
    allMet &= report(QStringLiteral("slow-disc-step-prepared"), discStep(true) / discStepAlone, 0.1);

    // The category's years read ahead from the drive after its choice: clicking a year not decoded ahead,
    // against the same click with the files on a hard disk.
    viewer.disc.dropCache();
    viewer.click(w.optParent[0]);
    viewer.settle();
    const double readAhead = medianMilliseconds(
        Runs, [&] { viewer.showYear(15); }, rest);
    viewer.disc.setSlow(false);
    const double fromHardDisk = medianMilliseconds(
        Runs, [&] { viewer.showYear(15); }, rest);
    allMet &= report(QStringLiteral("slow-disc-years-read-ahead"), readAhead / fromHardDisk, 1.1);

    viewer.showYear(10);
    viewer.settle();
    std::vector<double> toZoomed, toWide, toNormal;
    const auto timed = [](std::vector<double>& times, const std::function<void()>& run) {
        times.push_back(medianMilliseconds(1, run));
    };
    for (int i = 0; i < Runs; ++i) {
        timed(toZoomed, [&] { viewer.click(w.cmdZoom); });
        timed(toWide, [&] { viewer.click(w.SSCommand5); });
        timed(toNormal, [&] { viewer.click(w.cmdZoomOut); });
    }
    for (auto& [name, times] : {std::pair{QStringLiteral("switch-normal-to-zoomed"), &toZoomed},
                                std::pair{QStringLiteral("switch-zoomed-to-wide"), &toWide},
                                std::pair{QStringLiteral("switch-wide-to-normal"), &toNormal}}) {
        std::sort(times->begin(), times->end());
        allMet &= report(name, (*times)[times->size() / 2] / FrameMilliseconds, 1.0);
    }

    if (viewer.fake.messageBoxes.unexpectedBoxes() > 0) {
        std::fprintf(stderr, "a message box came up during the run\n");
        return 2;
    }
    return allMet ? 0 : 1;
}
