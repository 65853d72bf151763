#include "publish/Cpublishstate.h"

#include "config/Cfileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// "cursor=YYYY-MM-DD HH:MM", or "cursor=" before the first minute.
const QByteArray CursorKey = "cursor=";
constexpr qint64 MaxStateSize = 4096;

} // namespace

TPublishState::TPublishState(const QString& dataDir)
    : FDir(dataDir), FPath(QDir(dataDir).filePath("publish.state")), FLock(dataDir, "publish", TDataDirLock::On::LockFile) {}

bool TPublishState::Lock(const QString& program) {
    return FLock.TryLock(program);
}

QString TPublishState::RefusalText() const {
    return QCoreApplication::translate("Publishing",
                                       "Error - Publishing from %1 is already done by %2!")
        .arg(QDir::toNativeSeparators(FDir), FLock.HolderText());
}

TPublishState::ReadResult TPublishState::ReadCursor(WallMinute& cursor) const {
    if (!QFileInfo::exists(FPath))
        return Missing;
    QByteArray data;
    if (!ReadRegularFile(FPath, MaxStateSize, data))
        return Unreadable;
    for (QByteArray line : data.split('\n')) {
        line = line.trimmed();
        if (!line.startsWith(CursorKey))
            continue;
        const QByteArray value = line.mid(CursorKey.size());
        if (value.isEmpty()) {
            cursor = NoMinute;
            return Read;
        }
        LocalTime t;
        if (!ParseMinuteText(value, t))
            return Unreadable;
        cursor = ToWallMinute(t);
        return Read;
    }
    return Unreadable;
}

bool TPublishState::WriteCursor(WallMinute cursor) {
    const QByteArray data =
        CursorKey + (cursor == NoMinute ? QByteArray() : MinuteText(FromWallMinute(cursor))) + '\n';
    QSaveFile f(FPath);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    return CommitWhole(f);
}
