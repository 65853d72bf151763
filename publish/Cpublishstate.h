#pragma once

#include "config/Cdatadirlock.h"
#include "publish/Fminutes.h"

#include <QString>

// The publisher's cursor in "publish.state" of the data directory: the
// newest minute up to which the broker acknowledged every minute. The file
// is replaced whole, so that a crash leaves the old cursor or the new one.
// One publisher per data directory: it holds the lock "publish.lock".
class TPublishState {
public:
    explicit TPublishState(const QString& dataDir);

    QString Path() const { return FPath; }

    // Takes the lock, naming this program; false when another holds it.
    bool Lock(const QString& program);
    bool Locked() const { return FLock.Locked(); }
    // "Error - Publishing from <dir> is already done by <program> (process
    // <pid>)!"
    QString RefusalText() const;

    enum ReadResult { Missing, Read, Unreadable };
    // The cursor as stored (NoMinute: nothing acknowledged yet).
    ReadResult ReadCursor(WallMinute& cursor) const;
    // Replaces the file; false when it could not be written whole.
    bool WriteCursor(WallMinute cursor);

private:
    QString FDir;
    QString FPath;
    TDataDirLock FLock;
};
