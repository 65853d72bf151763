#include "publish/Cpublishstate.h"

#include "config/Cfileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// "cursor=YYYY-MM-DD HH:MM", or "cursor=" before the first minute;
// "published=" and the runs of acknowledged stored minutes up to it.
const QByteArray CursorKey = "cursor=";
const QByteArray PublishedKey = "published=";
const QByteArray AlarmLinesKey = "alarmlines=";
// Runs of 40 bytes each: room for tens of thousands of gaps.
constexpr qint64 MaxStateSize = 4 * 1024 * 1024;

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The publishers' lock of a data directory: a name in the abstract socket
// space of the machine, made of the directory's device and inode. Bound, it
// is held until the process ends; no file can be deleted or replaced to
// release it. -1 when another process holds it, or the directory is gone.
int TakeGuard(const QString& dir) {
    struct stat st {};
    if (::stat(QFile::encodeName(dir).constData(), &st) != 0)
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const QByteArray name = "zeda-publish:" + QByteArray::number(quint64(st.st_dev)) + ':' +
                            QByteArray::number(quint64(st.st_ino));
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path + 1, name.constData(), size_t(name.size())); // sun_path[0] = 0
    const auto len = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), len) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Writes data into a new file beside path and renames it into place: the
// rename replaces a symbolic link of that name instead of writing through it.
bool ReplaceFile(const QString& path, const QByteArray& data, QString& why) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = target + ".new";
    ::unlink(temp.constData());
    const int fd =
        ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = SystemError(errno);
        return false;
    }
    // A short write is followed by another, which tells why (no space, too large).
    int error = 0;
    for (qsizetype done = 0; done < data.size() && error == 0;) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? ENOSPC : errno;
    }
    if (error == 0 && ::fdatasync(fd) != 0)
        error = errno;
    ::close(fd);
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        why = SystemError(error);
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

} // namespace

TPublishState::TPublishState(const QString& dataDir)
    : FDir(dataDir), FPath(QDir(dataDir).filePath("publish.state")),
      FLock(dataDir, "publish", TDataDirLock::On::LockFile) {}

TPublishState::~TPublishState() {
    if (FGuard >= 0)
        ::close(FGuard);
}

bool TPublishState::Lock(const QString& program) {
    if (Locked())
        return true;
    FLockProblem.clear();
    FGuard = TakeGuard(FDir);
    if (FGuard < 0)
        return false;
    // The lock file names the holder and keeps out a publisher of an older
    // version, which locks only the file.
    if (FLock.TryLock(program))
        return true;
    const QString lockPath = QDir(FDir).filePath("publish.lock");
    const QFileInfo info(lockPath);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        FLockProblem = QCoreApplication::translate(
                           "Publishing", "Error - The lock file %1 is not a plain file!")
                           .arg(lockPath);
    } else if (!info.exists()) {
        // Why it could not be made: a read-only directory, most often.
        const int fd = ::open(QFile::encodeName(lockPath).constData(),
                              O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0)
            FLockProblem = QCoreApplication::translate(
                               "Publishing", "Error - The lock file %1 cannot be created: %2!")
                               .arg(lockPath, SystemError(errno));
        else
            ::close(fd);
    }
    ::close(FGuard);
    FGuard = -1;
    return false;
}

QString TPublishState::RefusalText() const {
    if (!FLockProblem.isEmpty())
        return FLockProblem;
    return QCoreApplication::translate("Publishing",
                                       "Error - Publishing from %1 is already done by %2!")
        .arg(QDir::toNativeSeparators(FDir), FLock.HolderText());
}

TPublishState::ReadResult TPublishState::ReadCursor(WallMinute& cursor) const {
    TMinuteRuns published;
    bool known = false;
    return ReadState(cursor, published, known);
}

TPublishState::ReadResult TPublishState::ReadState(WallMinute& cursor, TMinuteRuns& published,
                                                   bool& knownPublished,
                                                   qint64* alarmLines) const {
    if (!QFileInfo::exists(FPath) && !QFileInfo(FPath).isSymLink())
        return Missing;
    QByteArray data;
    if (QFileInfo(FPath).isSymLink() || !ReadRegularFile(FPath, MaxStateSize, data))
        return Unreadable;
    bool haveCursor = false;
    knownPublished = false;
    published = TMinuteRuns();
    if (alarmLines)
        *alarmLines = 0;
    for (QByteArray line : data.split('\n')) {
        line = line.trimmed();
        if (line.startsWith(AlarmLinesKey)) {
            bool ok = false;
            const qint64 lines = line.mid(AlarmLinesKey.size()).toLongLong(&ok);
            if (!ok || lines < 0)
                return Unreadable;
            if (alarmLines)
                *alarmLines = lines;
            continue;
        }
        if (line.startsWith(PublishedKey)) {
            if (!published.Parse(line.mid(PublishedKey.size())))
                return Unreadable;
            knownPublished = true;
            continue;
        }
        if (!line.startsWith(CursorKey) || haveCursor)
            continue;
        const QByteArray value = line.mid(CursorKey.size());
        LocalTime t;
        if (!value.isEmpty() && !ParseMinuteText(value, t))
            return Unreadable;
        cursor = value.isEmpty() ? NoMinute : ToWallMinute(t);
        haveCursor = true;
    }
    return haveCursor ? Read : Unreadable;
}

bool TPublishState::WriteCursor(WallMinute cursor) {
    QString why;
    return WriteState(cursor, TMinuteRuns(), why);
}

bool TPublishState::WriteState(WallMinute cursor, const TMinuteRuns& published, QString& why,
                               qint64 alarmLines) {
    QByteArray data =
        CursorKey + (cursor == NoMinute ? QByteArray() : MinuteText(FromWallMinute(cursor))) +
        '\n' + PublishedKey + published.Text() + '\n';
    // Without a key the count is 0: a file without alarms stays as it was.
    if (alarmLines > 0)
        data += AlarmLinesKey + QByteArray::number(alarmLines) + '\n';
    return ReplaceFile(FPath, data, why);
}
