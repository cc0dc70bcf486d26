#include "platform/files/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A descriptor closed on every path out of a read.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opening does not wait (a FIFO without a writer opens at once, a terminal does not become ours), and the
// kind of file is then asked of the open descriptor, so nothing can be swapped in between.
Descriptor openWithoutBlocking(const QString& nativePath) {
    return Descriptor(
        ::open(QFile::encodeName(nativePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
}

// Success when the descriptor is open on an ordinary file, whose facts it then gives.
FileStatus checkRegular(const Descriptor& file, const QString& nativePath, struct stat& info) {
    if (file.get() < 0)
        return FileStatus::failure(systemError(errno));
    if (::fstat(file.get(), &info) != 0)
        return FileStatus::failure(systemError(errno));
    if (!S_ISREG(info.st_mode))
        return FileStatus::failure(QStringLiteral("%1 is not an ordinary file.").arg(nativePath));
    return FileStatus::success();
}

} // namespace

OpenResult openRegularFile(const QString& nativePath) {
    OpenResult result;
    Descriptor file = openWithoutBlocking(nativePath);
    struct stat info {};
    result.status = checkRegular(file, nativePath, info);
    if (!result.status.ok)
        return result;
    auto device = std::make_unique<QFile>();
    if (!device->open(file.get(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                      QFileDevice::AutoCloseHandle)) {
        result.status = FileStatus::failure(device->errorString());
        return result;
    }
    file.release();
    result.file = FileHandle(std::move(device));
    return result;
}

ReadResult readRegularFile(const QString& nativePath, qint64 byteLimit) {
    ReadResult result;
    const Descriptor file = openWithoutBlocking(nativePath);
    struct stat info {};
    result.status = checkRegular(file, nativePath, info);
    if (!result.status.ok)
        return result;
    if (info.st_size > byteLimit) {
        result.status = FileStatus::failure(
            QStringLiteral("%1 is too large (%2 bytes).").arg(nativePath).arg(qint64(info.st_size)));
        return result;
    }

    // The size seen when the file was opened is what is read; a file that shrinks meanwhile ends early.
    result.bytes.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    while (done < result.bytes.size()) {
        const ssize_t got =
            ::read(file.get(), result.bytes.data() + done, size_t(result.bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.status = FileStatus::failure(systemError(errno));
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        done += got;
    }
    result.bytes.truncate(done);
    return result;
}

bool isAbsentOrRegularFile(const QString& nativePath) {
    const Descriptor file = openWithoutBlocking(nativePath);
    if (file.get() < 0)
        return errno == ENOENT;
    struct stat info {};
    return ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace platform
