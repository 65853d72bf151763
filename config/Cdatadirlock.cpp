#include "config/Cdatadirlock.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The holder writes a line "<pid> <program>"; a few bytes are enough.
constexpr qint64 MaxHolderText = 256;

// The holder's line, read past its lock (which a reader's lock would wait for).
QByteArray ReadHolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

bool WriteHolder(int fd, const QByteArray& holder) {
    return ::ftruncate(fd, 0) == 0 &&
           ::pwrite(fd, holder.constData(), size_t(holder.size()), 0) == holder.size();
}

} // namespace

TDataDirLock::TDataDirLock(const QString& dataDir, const QString& name)
    : FDir(dataDir), FPath(dataDir + "/" + name + ".lock") {}

TDataDirLock::~TDataDirLock() {
    if (FFd >= 0)
        ::close(FFd);
}

bool TDataDirLock::TryLock(const QString& program) {
    if (FFd >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(FPath).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    const QByteArray holder =
        QByteArray::number(qint64(::getpid())) + ' ' + QFile::encodeName(program) + '\n';
    // The text only names the holder; the lock itself is the flock, so a
    // holder that cannot write its name still holds it.
    WriteHolder(fd, holder);
    FFd = fd;
    return true;
}

QString TDataDirLock::RefusalText() const {
    return QStringLiteral("Error - The data directory %1 is in use by %2!").arg(FDir, HolderText());
}

QString TDataDirLock::HolderText() const {
    const QByteArray text = ReadHolder(FPath);
    const QList<QByteArray> fields = text.trimmed().split(' ');
    const QString pid =
        fields.value(0).isEmpty() ? QStringLiteral("?") : QString::fromLatin1(fields.value(0));
    const QString program = fields.size() > 1
                                ? QFile::decodeName(text.trimmed().mid(fields[0].size() + 1))
                                : QStringLiteral("another program");
    return QStringLiteral("%1 (process %2)").arg(program, pid);
}
