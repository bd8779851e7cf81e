#include "card/input_file.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace card {
namespace {

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int fd_;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString tooLarge(const QString& name, qint64 maxBytes)
{
    return QStringLiteral("%1 is larger than the %2 bytes such a file may hold")
        .arg(name)
        .arg(maxBytes);
}

// Reads until end of file, more than maxBytes, or idleTimeoutMs without data.
QString readAll(int fd, const QString& name, const InputLimits& limits, QByteArray* bytes)
{
    char chunk[64 * 1024];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, limits.idleTimeoutMs);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled < 0)
            return QStringLiteral("cannot read %1: %2").arg(name, systemError());
        if (polled == 0)
            return QStringLiteral("cannot read %1: no data arrived for %2 seconds")
                .arg(name)
                .arg(limits.idleTimeoutMs / 1000.0);
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got < 0)
            return QStringLiteral("cannot read %1: %2").arg(name, systemError());
        if (got == 0)
            return {};
        if (bytes->size() + got > limits.maxBytes)
            return tooLarge(name, limits.maxBytes);
        bytes->append(chunk, qsizetype(got));
    }
}

} // namespace

QString readInputFile(const QString& what, const QString& path, const InputLimits& limits,
                      QByteArray* bytes)
{
    bytes->clear();
    const QString name = what + u' ' + QDir::toNativeSeparators(path);
    // Non-blocking, so that opening a FIFO without a writer returns at once;
    // poll() then waits for data with a time limit.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("cannot open %1: %2").arg(name, systemError());
    const FdCloser closer(fd);
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return QStringLiteral("cannot read %1: %2").arg(name, systemError());
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is a folder, not a file").arg(name);
    if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode) && !S_ISCHR(info.st_mode))
        return QStringLiteral("%1 is not a file that can be read").arg(name);
    if (S_ISREG(info.st_mode) && info.st_size > limits.maxBytes)
        return tooLarge(name, limits.maxBytes);
    QString error = readAll(fd, name, limits, bytes);
    if (!error.isEmpty())
        bytes->clear();
    return error;
}

} // namespace card
