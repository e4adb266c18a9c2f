#include "data/WholeFile.h"

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// All of `bytes` to `fd`: 0, or the error number of the write that failed.
int writeAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        next += written;
        left -= written;
    }
    return 0;
}

} // namespace

namespace WholeFile {

QString reason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("the folder cannot be written");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

Outcome write(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    // Beside the target, so that the rename stays on one disk; a name of its own, so that a
    // leftover of an earlier attempt is never written into.
    QByteArray partial;
    int fd = -1;
    for (int n = 0; fd < 0 && n < 100; ++n) {
        partial = target + ".partial" + (n ? QByteArray::number(n) : QByteArray());
        fd = ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return {reason(errno)};
    }
    if (fd < 0)
        return {reason(EEXIST)};
    int error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(partial.constData(), target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(partial.constData());
        return {reason(error)};
    }
    return {};
}

QString fileName(QString text) {
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|]"));
    return text.replace(forbidden, QStringLiteral("-"));
}

} // namespace WholeFile
