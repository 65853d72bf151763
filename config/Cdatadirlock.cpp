#include "config/Cdatadirlock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The holder writes a line "<pid> <program>"; a few bytes are enough.
constexpr qint64 MaxHolderText = 256;

// The holder's line, from a regular file only: never through a symbolic
// link to another file, never from a directory or a FIFO.
QByteArray ReadHolder(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray text(MaxHolderText, '\0');
    struct stat st {};
    const ssize_t n = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)
                          ? ::pread(fd, text.data(), size_t(text.size()), 0)
                          : -1;
    ::close(fd);
    text.truncate(n > 0 ? n : 0);
    return text;
}

// Writes the holder's line into the lock file when that is (or can be made)
// a regular file; true when it was written.
bool WriteHolder(const QString& path, const QByteArray& holder) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool written =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0 &&
        ::pwrite(fd, holder.constData(), size_t(holder.size()), 0) == holder.size();
    ::close(fd);
    return written;
}

// The lock file itself, created when missing; only a regular file, never
// through a symbolic link.
int OpenLockFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TDataDirLock::TDataDirLock(const QString& dataDir, const QString& name, On on)
    : FDir(dataDir), FPath(dataDir + "/" + name + ".lock"), FOn(on) {}

TDataDirLock::~TDataDirLock() {
    if (FFd >= 0)
        ::close(FFd);
}

bool TDataDirLock::TryLock(const QString& program) {
    if (FFd >= 0)
        return true;
    const int fd = FOn == On::Directory
                       ? ::open(QFile::encodeName(FDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                       : OpenLockFile(FPath);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // The text only names the holder; the lock itself is the directory's,
    // so a holder that cannot write its name (the file is a directory, a
    // link, on a full disk) still holds it.
    WriteHolder(FPath,
                QByteArray::number(qint64(::getpid())) + ' ' + QFile::encodeName(program) + '\n');
    FFd = fd;
    return true;
}

QString TDataDirLock::RefusalText() const {
    return QCoreApplication::translate("Cdatadirlock",
                                       "Error - The data directory %1 is in use by %2!")
        .arg(FDir, HolderText());
}

QString TDataDirLock::HolderText() const {
    const QByteArray text = ReadHolder(FPath);
    const QList<QByteArray> fields = text.trimmed().split(' ');
    const QString pid =
        fields.value(0).isEmpty() ? QStringLiteral("?") : QString::fromLatin1(fields.value(0));
    const QString program = fields.size() > 1
                                ? QFile::decodeName(text.trimmed().mid(fields[0].size() + 1))
                                : QCoreApplication::translate("Cdatadirlock", "another program");
    return QCoreApplication::translate("Cdatadirlock", "%1 (process %2)").arg(program, pid);
}

QString TDataDirLock::HolderProgram() const {
    const QByteArray text = ReadHolder(FPath).trimmed();
    const qsizetype blank = text.indexOf(' ');
    return blank < 0 ? QString() : QFile::decodeName(text.mid(blank + 1));
}
