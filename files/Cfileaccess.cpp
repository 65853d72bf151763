#include "files/Cfileaccess.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TFileAccess::TFileAccess(const QString& path, Mode mode) : FPath(path) {
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK keeps a FIFO of the same name from blocking the open; it has no
    // effect on regular files.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case ReadShared:
        flags |= O_RDONLY;
        break;
    case ReadWrite:
        flags |= O_RDWR;
        break;
    case Create:
        flags |= O_RDWR | O_CREAT;
        break;
    }
    int fd = ::open(native.constData(), flags, 0644);
    if (fd < 0)
        return;
    struct stat st {};
    const int lock = mode == ReadShared ? LOCK_SH : LOCK_EX;
    // Only regular files; a directory of the same name is not a month file.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, lock | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    // Truncate only once the lock is held, so a file someone else holds
    // keeps its contents.
    if (mode == Create && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return;
    }
    FFd = fd;
}

TFileAccess::~TFileAccess() {
    Close();
}

qint64 TFileAccess::ReadAt(qint64 offset, char* data, qint64 size) {
    if (FFd < 0)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(FFd, data + done, size_t(size - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return done > 0 ? done : -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

qint64 TFileAccess::WriteAt(qint64 offset, const char* data, qint64 size) {
    if (FFd < 0)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(FFd, data + done, size_t(size - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return done > 0 ? done : -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

qint64 TFileAccess::ReadInto(qint64 offset, QByteArray& buffer, qint64 at, qint64 size) {
    if (at < 0 || size < 0 || at + size > buffer.size())
        return -1;
    return ReadAt(offset, buffer.data() + at, size);
}

bool TFileAccess::WriteAll(qint64 offset, const QByteArray& data) {
    return WriteAll(offset, data.constData(), data.size());
}

bool TFileAccess::WriteAll(qint64 offset, const char* data, qint64 size) {
    return WriteAt(offset, data, size) == size;
}

bool TFileAccess::Remove() {
    return FFd >= 0 && ::unlink(QFile::encodeName(FPath).constData()) == 0;
}

void TFileAccess::Close() {
    if (FFd >= 0) {
        ::close(FFd); // also drops the lock
        FFd = -1;
    }
}
