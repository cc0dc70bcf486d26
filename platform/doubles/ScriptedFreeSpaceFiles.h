#pragma once

#include "platform/files/DiskFiles.h"

#include <QHash>
#include <QStringList>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>

namespace platform {

// The real file operations, with the free space given by the test, and a disk that can fill up: once the
// test has set how many bytes still fit, new files written in place of others fail as on a full disk.
// Reads of a file can be made to fail a number of times before they succeed, as a scratched disc's do.
// Putting a new file in place can be made slow, as on a disk that takes long to force its writes, and the
// files put in place are logged.
class ScriptedFreeSpaceFiles : public DiskFiles {
public:
    // What the files made here share with the test.
    struct Commits {
        std::chrono::milliseconds delay{0};
        std::mutex mutex; // files may be committed on other threads
        QStringList ended;
    };

    using DiskFiles::DiskFiles;

    void setFreeSpace(const FreeSpace& space) { space_ = space; }
    FreeSpace freeSpace(const QString& folder) const override {
        queried_.append(folder);
        return space_;
    }
    const QStringList& freeSpaceQueries() const { return queried_; }

    void fillAfter(qint64 bytes) { roomLeft_ = std::make_shared<qint64>(bytes); }
    void slowCommits(std::chrono::milliseconds each) { commits_->delay = each; }
    ReplacementResult openReplacement(const QString& path) const override;
    // The path texts of the new files put in place, in the order in which their commits ended.
    QStringList committed() const;

    // The next `times` reads of the whole file at this path text fail with an input/output error.
    void failReads(const QString& path, int times);
    ReadResult readAll(const QString& path, qint64 byteLimit) const override;
    int readsOf(const QString& path) const;

private:
    FreeSpace space_;
    mutable QStringList queried_;
    std::shared_ptr<qint64> roomLeft_; // shared by every file written, as the room on one disk is
    std::shared_ptr<Commits> commits_ = std::make_shared<Commits>();
    mutable std::mutex readsMutex_; // reads come from the workers too
    mutable QHash<QString, int> failingReads_;
    mutable QHash<QString, int> reads_;
};

} // namespace platform
