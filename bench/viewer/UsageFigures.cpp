#include "UsageFigures.h"

#include "BenchViewer.h"
#include "Measure.h"

#include "picture/ShownAdModel.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SpinButton.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QThread>
#include <QToolButton>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

double burstLagMilliseconds(BenchViewer& viewer, int button, int keys, int apartMs) {
    ui::Form1& w = viewer.window();
    ui::SSCommand* year = w.cmdYear[size_t(button)];
    year->setFocus();
    const QString last = QStringLiteral("%1 of ").arg(keys + 1);
    // The keys come from another thread, on time whatever the window is doing, as the keyboard's do.
    std::vector<QEvent*> events;
    for (int i = 0; i < keys; ++i)
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            events.push_back(new QKeyEvent(type, Qt::Key_Period, Qt::NoModifier, QStringLiteral(".")));
    QElapsedTimer clock;
    std::atomic<qint64> lastKeyAt{-1};
    clock.start();
    std::thread keyboard([&] {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < keys; ++i) {
            std::this_thread::sleep_until(start + i * std::chrono::milliseconds(apartMs));
            QCoreApplication::postEvent(year, events[std::size_t(2 * i)]);
            QCoreApplication::postEvent(year, events[std::size_t(2 * i + 1)]);
            if (i == keys - 1)
                lastKeyAt = clock.nsecsElapsed();
        }
    });
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && (lastKeyAt < 0 || !w.Text1->text().startsWith(last))) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(200);
    }
    keyboard.join();
    // Keys that were still queued would step on past the ad counted.
    QCoreApplication::processEvents();
    w.Image1->repaint();
    const double lag = double(clock.nsecsElapsed() - lastKeyAt) / 1e6;
    return w.Text1->text().startsWith(last) ? lag : -1;
}

long long zoomedSteppingGrowth(BenchViewer& viewer, int button, bool settled) {
    ui::Form1& w = viewer.window();
    viewer.showYear(0);
    viewer.settle();
    const long long before = residentBytes();
    resetPeakResident();
    viewer.click(w.cmdZoom);
    viewer.showYear(button);
    viewer.settle();
    const int count = viewer.program->state().shown.AdCount;
    for (int i = 1; i < count; ++i) {
        viewer.click(w.SpinButton1->upArrow());
        if (settled)
            viewer.settle();
    }
    viewer.settle();
    const long long peak = peakResidentBytes();
    viewer.click(w.cmdZoomOut);
    viewer.showYear(0);
    viewer.settle();
    return peak - before;
}
