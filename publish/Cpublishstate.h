#pragma once

#include "config/Cdatadirlock.h"
#include "publish/Cminuteruns.h"
#include "publish/Fminutes.h"

#include <QString>

// The publisher's cursor in "publish.state" of the data directory: the
// newest minute up to which the broker acknowledged every minute, and the
// stored minutes up to it that the broker acknowledged, so that a minute
// stored behind the cursor later (an import, a corrected unit clock) is
// noticed. The file is replaced whole, so that a crash leaves the old state
// or the new one; a symbolic link in its place is replaced, never followed.
// One publisher per data directory: it holds the lock "publish.lock".
class TPublishState {
public:
    explicit TPublishState(const QString& dataDir);
    ~TPublishState();

    TPublishState(const TPublishState&) = delete;
    TPublishState& operator=(const TPublishState&) = delete;

    QString Path() const { return FPath; }

    // Takes the lock, naming this program; false when another holds it or
    // the lock file cannot be made.
    bool Lock(const QString& program);
    bool Locked() const { return FGuard >= 0 && FLock.Locked(); }
    // Why Lock failed: "Error - Publishing from <dir> is already done by
    // <program> (process <pid>)!", or what is wrong with the lock file.
    QString RefusalText() const;

    enum ReadResult { Missing, Read, Unreadable };
    // The cursor as stored (NoMinute: nothing acknowledged yet).
    ReadResult ReadCursor(WallMinute& cursor) const;
    // With the acknowledged stored minutes; knownPublished is false for a
    // file of an older version, which kept the cursor alone. alarmLines:
    // how many complete lines of the alarm log the broker acknowledged (0
    // for a file that does not say: every line is sent once more).
    ReadResult ReadState(WallMinute& cursor, TMinuteRuns& published, bool& knownPublished,
                         qint64* alarmLines = nullptr) const;
    // Replaces the file; false when it could not be written whole, with the
    // reason in why.
    bool WriteCursor(WallMinute cursor);
    bool WriteState(WallMinute cursor, const TMinuteRuns& published, QString& why,
                    qint64 alarmLines = 0);

private:
    QString FDir;
    QString FPath;
    TDataDirLock FLock;
    int FGuard = -1; // the lock that no file operation can release
    QString FLockProblem;
};
