#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <span>

class QIODevice;

namespace platform {

// Outcome of a file operation; on failure, the system's description of the error.
struct FileStatus {
    bool ok = true;
    QString error;
    // The file system has no room left: every further file written there fails the same way.
    bool diskFull = false;

    static FileStatus success() { return {}; }
    static FileStatus failure(QString error) { return {false, std::move(error)}; }
    static FileStatus noRoom(QString error) { return {false, std::move(error), true}; }
};

struct ReadResult {
    FileStatus status;
    QByteArray bytes; // fewer than asked for only at the end of the file
};

// An open file for raw block reading or writing; closed when it goes out of scope. The device is a file on
// the disk, or a file read from a disc image.
class FileHandle {
public:
    FileHandle();
    explicit FileHandle(std::unique_ptr<QIODevice> device);
    FileHandle(FileHandle&&) noexcept;
    FileHandle& operator=(FileHandle&&) noexcept;
    ~FileHandle();

    bool isOpen() const;
    // The length of the open file, in bytes.
    qint64 size() const;
    ReadResult read(qint64 maxBytes);
    // Fills the buffer to its end; a file that ends sooner is a failure.
    FileStatus readFully(std::span<char> buffer);
    // Fails unless every byte was written (a full disk shows here or at close).
    FileStatus write(QByteArrayView bytes);
    // Writes out what is buffered and closes; a failure to write it out is reported.
    FileStatus close();

private:
    std::unique_ptr<QIODevice> device_;
};

struct OpenResult {
    FileStatus status;
    FileHandle file; // open only when status.ok
};

// A file whose opening and reading began before it was wanted, so that waiting for the drive overlaps
// other work. Dropping it untaken gives the file up.
class PendingOpen {
public:
    virtual ~PendingOpen() = default;
    // What opening the file at this moment would give, waited for as that would be. Once only.
    virtual OpenResult take() = 0;
};

} // namespace platform
