#include "config/Cfileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto LockRetryStep = std::chrono::milliseconds(20);

// Takes the lock, retrying while another holder has it, for at most waitMs.
bool LockWithin(int fd, int operation, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(LockRetryStep);
    }
}

TFileAccess::Failure FailureOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return TFileAccess::Missing;
    case EWOULDBLOCK:
        return TFileAccess::Busy;
    default:
        return TFileAccess::OtherError;
    }
}

// Links the temporary file to its final name without replacing anything;
// where the file system has no hard links, a rename that refuses to
// replace does the same.
int LinkNoReplace(const char* from, const char* to) {
    if (::link(from, to) == 0)
        return 0;
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return -1;
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

// Puts a new name in the directory of path on the disk, so that a file
// whose data is on the disk cannot lose its name in a power cut.
void SyncDirectory(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray dir = slash < 0    ? QByteArray(".")
                           : slash == 0 ? QByteArray("/")
                                        : path.left(slash);
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Repeats a transfer at the position of the bytes done so far until all are
// done, the file ends, or it fails otherwise than by an interruption: the
// bytes done, or -1 when it failed before the first.
template <typename Transfer> qint64 TransferAll(qint64 size, Transfer transfer) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = transfer(done);
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

} // namespace

TFileAccess::TFileAccess(const QString& path, Mode mode, int lockWaitMs) : FPath(path) {
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    if (mode == CreateNew) {
        const QFileInfo info(path);
        FTempPath = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
        fd = ::mkostemp(FTempPath.data(), O_CLOEXEC);
        if (fd < 0) {
            FFailure = FailureOf(errno);
            FTempPath.clear();
            return;
        }
        ::fchmod(fd, 0644);
    } else {
        // O_NONBLOCK keeps a FIFO of the same name from blocking the open; it
        // has no effect on regular files.
        const int flags = O_CLOEXEC | O_NONBLOCK | (mode == ReadShared ? O_RDONLY : O_RDWR);
        fd = ::open(native.constData(), flags);
        if (fd < 0) {
            FFailure = FailureOf(errno);
            return;
        }
    }
    struct stat st {};
    // Only regular files; a directory of the same name is not a month file.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        FFailure = NotRegular;
        ::close(fd);
        return;
    }
    if (!LockWithin(fd, mode == ReadShared ? LOCK_SH : LOCK_EX, lockWaitMs)) {
        FFailure = FailureOf(errno == EINTR ? EWOULDBLOCK : errno);
        ::close(fd);
        if (!FTempPath.isEmpty())
            ::unlink(FTempPath.constData());
        FTempPath.clear();
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
    return TransferAll(size, [&](qint64 done) {
        return ::pread(FFd, data + done, size_t(size - done), off_t(offset + done));
    });
}

qint64 TFileAccess::WriteAt(qint64 offset, const char* data, qint64 size) {
    if (FFd < 0)
        return -1;
    return TransferAll(size, [&](qint64 done) {
        return ::pwrite(FFd, data + done, size_t(size - done), off_t(offset + done));
    });
}

qint64 TFileAccess::Size() const {
    struct stat st {};
    if (FFd < 0 || ::fstat(FFd, &st) != 0)
        return -1;
    return st.st_size;
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

bool TFileAccess::SyncData() {
    return FFd >= 0 && ::fdatasync(FFd) == 0;
}

TFileAccess::PlaceResult TFileAccess::PlaceNew() {
    if (FFd < 0 || FTempPath.isEmpty())
        return NotPlaced;
    // The new file must be on the disk before its name is.
    if (::fsync(FFd) != 0)
        return NotPlaced;
    const QByteArray target = QFile::encodeName(FPath);
    const int linked = LinkNoReplace(FTempPath.constData(), target.constData());
    const int error = errno;
    ::unlink(FTempPath.constData()); // after a rename there is nothing left to remove
    FTempPath.clear();
    if (linked == 0) {
        SyncDirectory(target);
        return Placed;
    }
    Close();
    return error == EEXIST ? AlreadyThere : NotPlaced;
}

TFileAccess::PlaceResult TFileAccess::PlaceOver() {
    if (FFd < 0 || FTempPath.isEmpty() || ::fsync(FFd) != 0)
        return NotPlaced;
    const QByteArray target = QFile::encodeName(FPath);
    if (::rename(FTempPath.constData(), target.constData()) != 0) {
        Close();
        return NotPlaced;
    }
    FTempPath.clear();
    SyncDirectory(target);
    return Placed;
}

void TFileAccess::Close() {
    if (FFd >= 0) {
        ::close(FFd); // also drops the lock
        FFd = -1;
    }
    if (!FTempPath.isEmpty()) {
        ::unlink(FTempPath.constData());
        FTempPath.clear();
    }
}

int RemoveInterruptedNewFiles(const QString& dir, const QString& nameWildcard) {
    // The temporary names of CreateNew: "." + the name + "." + six characters.
    const QStringList names = QDir(dir).entryList({"." + nameWildcard + ".??????"},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(dir + "/" + name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::unlink(path.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

bool SameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& data) {
    data.clear();
    TFileAccess f(path, TFileAccess::ReadShared);
    const qint64 size = f.Size();
    if (size < 0 || size > maxSize)
        return false;
    // One byte more than expected tells a file that grew meanwhile.
    QByteArray buffer(size + 1, '\0');
    const qint64 n = f.ReadAt(0, buffer.data(), buffer.size());
    if (n < 0 || n > size)
        return false;
    buffer.truncate(n);
    data = buffer;
    return true;
}

bool CommitWhole(QSaveFile& file) {
    if (!file.flush())
        file.cancelWriting();
    return file.commit();
}
