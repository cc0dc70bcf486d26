#include "picture/Worker.h"

#include <QTest>

#include <atomic>
#include <vector>

using namespace picture;
using namespace std::chrono_literals;

// The worker on its own, without a window: its queue, its start delay and the one run of each task.
class WorkerTest : public QObject {
    Q_OBJECT

private slots:
    void runsTasksInTheOrderPosted();
    void waitsForTheStartDelay();
    void dropsWorkNotStarted();
    void aTaskRunByItsCallerRunsOnce();
};

void WorkerTest::runsTasksInTheOrderPosted() {
    std::mutex mutex;
    std::vector<int> order;
    std::vector<std::shared_ptr<Task>> tasks;
    Worker worker;
    for (int i = 0; i < 3; ++i) {
        tasks.push_back(std::make_shared<Task>([&, i] {
            std::lock_guard lock(mutex);
            order.push_back(i);
        }));
        worker.post(tasks.back(), 0ms);
    }
    QTRY_VERIFY(tasks.back()->done());
    std::lock_guard lock(mutex);
    QCOMPARE(order, (std::vector<int>{0, 1, 2}));
}

void WorkerTest::waitsForTheStartDelay() {
    const auto posted = std::chrono::steady_clock::now();
    std::atomic<std::chrono::steady_clock::time_point> started{};
    auto task = std::make_shared<Task>([&] { started = std::chrono::steady_clock::now(); });
    Worker worker(Worker::Urgency::Ahead);
    worker.post(task, 150ms);
    QTRY_VERIFY(task->done());
    QVERIFY(started.load() - posted >= 150ms);
}

void WorkerTest::dropsWorkNotStarted() {
    std::atomic<int> runs = 0;
    std::vector<std::shared_ptr<Task>> tasks;
    {
        Worker worker;
        for (int i = 0; i < 3; ++i) {
            tasks.push_back(std::make_shared<Task>([&] { ++runs; }));
            worker.post(tasks.back(), 60s);
        }
        QCOMPARE(worker.dropPending(), 3);
        QCOMPARE(worker.dropPending(), 0);
    }
    QCOMPARE(runs.load(), 0);
    for (const auto& task : tasks)
        QVERIFY(!task->done());
}

void WorkerTest::aTaskRunByItsCallerRunsOnce() {
    std::atomic<int> runs = 0;
    auto task = std::make_shared<Task>([&] { ++runs; });
    auto after = std::make_shared<Task>([] {});
    Worker worker;
    worker.post(task, 50ms);
    worker.post(after, 0ms);
    // Needed before its turn: the caller runs it, and the worker, coming to it, finds it done.
    task->run();
    QVERIFY(task->done());
    QTRY_VERIFY(after->done());
    QCOMPARE(runs.load(), 1);
}

QTEST_MAIN(WorkerTest)
#include "WorkerTest.moc"
