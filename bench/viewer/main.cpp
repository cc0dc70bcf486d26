// Figures of the ad viewer, each against a reference measured in the same run: showing a year's ad, with
// and without it decoded ahead, stepping to an ad decoded ahead, and zooming in at once, against a bare
// TurboJPEG decode of the same file; the memory the shown ad costs against 4 bytes a pixel; the view
// switches against one 60 Hz frame.

#include "BareDecode.h"
#include "BenchViewer.h"
#include "Measure.h"

#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SpinButton.h"

#include <QApplication>
#include <QFile>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr double FrameMilliseconds = 16.0;

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

    const double scanDecode = medianMilliseconds(Runs, [&] { bareDecode(scan); });
    for (const auto& [name, button, path, limit] :
         {std::tuple{QStringLiteral("scan"), 10, scan, 0.9},
          std::tuple{QStringLiteral("2400x3200"), 11, large, 1.0},
          std::tuple{QStringLiteral("1100x1450"), 12, medium, 1.0}}) {
        const double decode = medianMilliseconds(Runs, [&] { bareDecode(path); });
        const double display = medianMilliseconds(
            Runs, [&] { viewer.showYear(button); }, rest);
        allMet &= report(QStringLiteral("year-display-") + name, display / decode, limit);
    }

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

    ui::SpinButton* spin = viewer.window().SpinButton1;
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
    allMet &= report(QStringLiteral("zoom-after-display"), zoom / scanDecode, 1.5);

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
