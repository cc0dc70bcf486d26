// Figures of the ad viewer, each against a reference measured in the same run: showing a year's ad against
// a bare TurboJPEG decode of the same file, one step across a gap of missing ads against the same decode,
// the memory the shown ad costs against 4 bytes a pixel, and the view switches against one 60 Hz frame.

#include "BareDecode.h"
#include "Measure.h"

#include "app/StartUp.h"
#include "platform/doubles/FakeServices.h"
#include "program/Program.h"
#include "tools/makecatalog/SampleCatalog.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SpinButton.h"

#include <QApplication>
#include <QDir>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr double FrameMilliseconds = 16.0;

struct Viewer {
    platform::FakeServices fake;
    std::unique_ptr<program::Program> program;
    QString ads;

    Viewer() {
        ads = fake.root() + QStringLiteral("/cd/ads");
        QDir().mkpath(ads);
        platform::DriveTable drives;
        drives.set('D', fake.root() + QStringLiteral("/cd"));
        fake.paths.setDrives(drives);
    }

    QString write(const QString& name, int width, int height) {
        const QString path = ads + QLatin1Char('/') + name;
        QString error;
        if (!samplecatalog::writeAdJpeg(path, width, height, name, QColor(40, 80, 160), &error))
            qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
        return path;
    }

    void start() {
        program = std::make_unique<program::Program>(fake.services(), QStringList());
        program->start();
        program->startUp().finishSplash();
    }

    ui::Form1& window() { return program->mainWindow(); }

    // From the click until the window has painted what changed and the ad is drawn in the view on screen
    // (painted again if the pending updates had not reached it yet; a second paint only copies the
    // cached stretched picture).
    void showYear(int button) { click(window().cmdYear[size_t(button)]); }
    void click(QAbstractButton* button) {
        button->click();
        QCoreApplication::processEvents();
        if (window().Image1->isVisible())
            window().Image1->repaint();
        else
            window().picDest->repaint();
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Viewer viewer;
    viewer.write(QStringLiteral("53kxpe00.jpg"), 60, 80);
    const QString large = viewer.write(QStringLiteral("63kxpe00.jpg"), 2400, 3200);
    const QString medium = viewer.write(QStringLiteral("64kxpe00.jpg"), 1100, 1450);
    viewer.write(QStringLiteral("65kxpe00.jpg"), 2400, 3200);
    const QString afterGap = viewer.write(QStringLiteral("65kxpe51.jpg"), 2400, 3200);
    viewer.write(QStringLiteral("66kxpe00.jpg"), 4000, 5000);
    viewer.start();
    if (!viewer.window().isVisible()) {
        std::fprintf(stderr, "the main window did not open\n");
        return 2;
    }

    bool allMet = true;

    // Memory first, before larger pictures have come and gone and left freed memory in the process.
    viewer.showYear(0);
    const long long before = residentBytes();
    viewer.showYear(13);
    const long long after = residentBytes();
    allMet &=
        report(QStringLiteral("memory-4000x5000"), double(after - before) / (4000.0 * 5000.0 * 4.0), 1.5);

    const auto showSmall = [&] { viewer.showYear(0); };
    for (const auto& [name, button, path] : {std::tuple{QStringLiteral("2400x3200"), 10, large},
                                             std::tuple{QStringLiteral("1100x1450"), 11, medium}}) {
        const double decode = medianMilliseconds(Runs, [&] { bareDecode(path); });
        const double display = medianMilliseconds(
            Runs, [&] { viewer.showYear(button); }, showSmall);
        allMet &= report(QStringLiteral("year-display-") + name, display / decode, 1.3);
    }

    viewer.showYear(12);
    ui::SpinButton* spin = viewer.window().SpinButton1;
    const double decode = medianMilliseconds(Runs, [&] { bareDecode(afterGap); });
    // Each timed step goes from ad 0 over the 50 missing numbers to ad 51; the untimed step back returns.
    const double step = medianMilliseconds(
        Runs, [&] { viewer.click(spin->upArrow()); }, [&] { viewer.click(spin->downArrow()); });
    allMet &= report(QStringLiteral("step-over-50-missing"), step / decode, 1.5);

    viewer.showYear(10);
    ui::Form1& w = viewer.window();
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
