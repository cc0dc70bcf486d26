// The copy of the ads to the hard disk, through the real copy command with its progress panel on the
// screen, against a reference that does the same work in the same run: `cp -r` of the same folder to the
// same file system followed by `sync` of every file copied, which forces each to the disk as the copy
// does before it names a file. 400 files of incompressible bytes, 100,000,000 bytes in all, with the page
// cache warm for both. Also the longest time the copy keeps the event loop from turning, against the 50 ms
// within which a window should answer; and, for information, plain `cp -r` and the bare loop.

#include "app/StartUp.h"
#include "platform/doubles/FakeServices.h"
#include "program/Program.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Files = 400;
constexpr qint64 FileBytes = 250'000;
constexpr int Rounds = 5;
constexpr double ThroughputTarget = 0.8;
constexpr double ResponsiveMilliseconds = 50.0;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool reportAtLeast(const char* name, double ratio, double limit) {
    std::printf("%s ratio %.2f target >= %.2f\n", name, ratio, limit);
    std::fflush(stdout);
    return ratio >= limit;
}

bool reportAtMost(const char* name, double ratio, double limit) {
    std::printf("%s ratio %.2f target <= %.2f\n", name, ratio, limit);
    std::fflush(stdout);
    return ratio <= limit;
}

class CopyBench {
public:
    CopyBench() {
        disc_ = fake_.root() + QStringLiteral("/cd");
        QDir().mkpath(disc_ + QStringLiteral("/ads"));
        platform::DriveTable drives;
        drives.set('D', disc_);
        fake_.paths.setDrives(drives);
        fake_.files.setFreeSpace({true, quint64(1) << 30, 1, 4096, {}});
    }

    bool writeCatalog() {
        std::vector<quint32> words(FileBytes / sizeof(quint32) + 1);
        for (int i = 0; i < Files; ++i) {
            QRandomGenerator::global()->fillRange(words.data(), qsizetype(words.size()));
            QFile file(
                disc_ +
                QStringLiteral("/ads/%1kxpe%2.jpg").arg(53 + i / 20).arg(i % 20, 2, 10, QLatin1Char('0')));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char*>(words.data()), FileBytes) != FileBytes)
                return false;
        }
        ::sync();
        return true;
    }

    bool start() {
        program_ = std::make_unique<program::Program>(fake_.services(), QStringList());
        program_->start();
        program_->startUp().finishSplash();
        window().mnuCopy->trigger();
        return window().isVisible() && window().pnlProgress->isVisible();
    }

    // Each run copies into new folders: the earlier copies are moved aside, not deleted, so that no run
    // meets the file system still busy with freeing the inodes of the run before. Every earlier write is
    // on the disk first, so that neither side pays for the other's write-back. The viewer reads the disc
    // again, as after a start without a copy.
    void setAsideTargets() {
        ++runs_;
        program_->state().location.AdRoot = QStringLiteral("D:");
        QDir().rename(copyFolder(), fake_.root() + QStringLiteral("/copy-%1").arg(runs_));
        QDir().rename(cpTarget(), fake_.root() + QStringLiteral("/cp-%1").arg(runs_));
        ::sync();
    }

    // With forced, each file copied is forced to the disk afterwards (sync with file names fsyncs each).
    double cpMilliseconds(bool forced) {
        QElapsedTimer timer;
        timer.start();
        if (!run(QStringLiteral("cp"), {QStringLiteral("-r"), disc_ + QStringLiteral("/ads"), cpTarget()}))
            return -1;
        if (forced) {
            QStringList copied;
            for (const QString& name : QDir(cpTarget()).entryList(QDir::Files))
                copied << cpTarget() + QLatin1Char('/') + name;
            if (!run(QStringLiteral("sync"), copied << cpTarget()))
                return -1;
        }
        return double(timer.nsecsElapsed()) / 1e6;
    }

    // The least any copy in blocks of 25,000 bytes through one buffer costs here: the same reads and writes
    // with no window, no gauges and no replacement, into a new folder.
    double bareLoopMilliseconds() {
        const QString target = fake_.root() + QStringLiteral("/bare-%1").arg(runs_);
        QElapsedTimer timer;
        timer.start();
        QDir().mkpath(target);
        std::vector<char> block(25'000);
        for (const QString& name : QDir(disc_ + QStringLiteral("/ads")).entryList(QDir::Files)) {
            const int in =
                ::open(QFile::encodeName(disc_ + QStringLiteral("/ads/") + name).constData(), O_RDONLY);
            const int out = ::open(QFile::encodeName(target + QLatin1Char('/') + name).constData(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0666);
            ssize_t got = 0;
            while (in >= 0 && out >= 0 && (got = ::read(in, block.data(), block.size())) > 0)
                if (::write(out, block.data(), size_t(got)) != got)
                    break;
            ::close(in);
            ::close(out);
        }
        return double(timer.nsecsElapsed()) / 1e6;
    }

    // The copy from the click on "Copy Ads" until the command returns; with turns, the times at which the
    // event loop turned during it.
    double copyMilliseconds(std::vector<qint64>* turns = nullptr) {
        fake_.messageBoxes.expect(platform::Reply::Ok);
        QElapsedTimer timer;
        QTimer heartbeat;
        if (turns) {
            QObject::connect(&heartbeat, &QTimer::timeout, [&] { turns->push_back(timer.nsecsElapsed()); });
            heartbeat.start(0);
        }
        timer.start();
        window().cmdCopy->click();
        const qint64 elapsed = timer.nsecsElapsed();
        if (turns)
            turns->push_back(elapsed);
        return double(elapsed) / 1e6;
    }

    // Every ad arrived whole, and the command said so.
    bool copied() {
        if (fake_.messageBoxes.shown().empty() ||
            fake_.messageBoxes.last().text != QStringLiteral("Ads successfully copied!\r\n") ||
            fake_.messageBoxes.unexpectedBoxes() > 0) {
            for (const auto& box : fake_.messageBoxes.shown())
                std::fprintf(stderr, "message: %s\n", qPrintable(box.text));
            return false;
        }
        const QStringList names = QDir(disc_ + QStringLiteral("/ads")).entryList(QDir::Files);
        if (names.size() != Files)
            return false;
        for (const QString& name : names) {
            QFile source(disc_ + QStringLiteral("/ads/") + name);
            QFile copy(copyFolder() + QLatin1Char('/') + name);
            if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::ReadOnly) ||
                source.readAll() != copy.readAll())
                return false;
        }
        return true;
    }

private:
    static bool run(const QString& command, const QStringList& arguments) {
        QProcess process;
        process.start(command, arguments);
        process.waitForFinished(-1);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    ui::Form1& window() { return program_->mainWindow(); }
    QString copyFolder() const { return fake_.folders.localCopyFolder() + QStringLiteral("/ads"); }
    QString cpTarget() const { return fake_.root() + QStringLiteral("/cp-ads"); }

    platform::FakeServices fake_;
    QString disc_;
    std::unique_ptr<program::Program> program_;
    int runs_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    CopyBench bench;
    if (!bench.writeCatalog() || !bench.start()) {
        std::fprintf(stderr, "the catalog could not be written or the progress panel did not open\n");
        return 2;
    }

    // Warm-up: both read the catalog once, so that every timed run reads it from the page cache.
    bench.setAsideTargets();
    bench.cpMilliseconds(false);
    bench.copyMilliseconds();
    if (!bench.copied()) {
        std::fprintf(stderr, "the copy command did not copy every ad\n");
        return 2;
    }

    // Alternating which goes first, so that neither always finds the other's traces.
    std::vector<double> ratios;
    std::vector<double> plainRatios;
    for (int round = 0; round < Rounds; ++round) {
        double cp = 0;
        double plainCp = 0;
        double ours = 0;
        bench.setAsideTargets();
        if (round % 2 == 0) {
            cp = bench.cpMilliseconds(true);
            bench.setAsideTargets();
            ours = bench.copyMilliseconds();
            bench.setAsideTargets();
            plainCp = bench.cpMilliseconds(false);
        } else {
            ours = bench.copyMilliseconds();
            bench.setAsideTargets();
            cp = bench.cpMilliseconds(true);
            bench.setAsideTargets();
            plainCp = bench.cpMilliseconds(false);
        }
        if (cp < 0 || plainCp < 0) {
            std::fprintf(stderr, "cp or sync failed\n");
            return 2;
        }
        ratios.push_back(cp / ours);
        plainRatios.push_back(plainCp / ours);
    }

    std::vector<double> longestGaps;
    for (int round = 0; round < 3; ++round) {
        bench.setAsideTargets();
        std::vector<qint64> turns{0};
        bench.copyMilliseconds(&turns);
        qint64 longest = 0;
        for (std::size_t i = 1; i < turns.size(); ++i)
            longest = std::max(longest, turns[i] - turns[i - 1]);
        longestGaps.push_back(double(longest) / 1e6);
    }
    if (!bench.copied()) {
        std::fprintf(stderr, "the copy command did not copy every ad\n");
        return 2;
    }

    std::vector<double> bareRatios;
    for (int round = 0; round < 3; ++round) {
        bench.setAsideTargets();
        const double cp = bench.cpMilliseconds(false);
        bench.setAsideTargets();
        bareRatios.push_back(cp / bench.bareLoopMilliseconds());
    }
    std::fprintf(stderr, "for reference, the copy against plain cp -r, which forces nothing: %.2f\n",
                 median(plainRatios));
    std::fprintf(stderr, "for reference, the bare loop of 25,000-byte reads and writes: %.2f of cp\n",
                 median(bareRatios));

    bool met = reportAtLeast("copy-vs-cp-sync", median(ratios), ThroughputTarget);
    met &= reportAtMost("copy-longest-event-gap", median(longestGaps) / ResponsiveMilliseconds, 1.0);
    return met ? 0 : 1;
}
