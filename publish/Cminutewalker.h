#pragma once

#include "config/Cfileaccess.h"
#include "publish/Cminuteruns.h"
#include "publish/Fminutes.h"
#include "publish/Fpayload.h"

#include <QString>
#include <QTimeZone>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

// Walks the minutes of the month files of a data directory in time order,
// reading the files from disk as they are at that moment (read shared;
// nothing is written). The month files are the log of what to publish.
//
// A minute is taken from its own month's file; a minute of the first two
// days of a month that only the previous file holds (its overflow days)
// comes from there. Minutes without a record are walked too where they lie
// between two stored minutes of one stretch, so that a consumer sees every
// minute of it; never after the newest stored minute, which later records
// fill, nor where the local clock skips them (summer time's start). A month
// without a file ends a stretch: the walk goes on at the next stored minute.
//
// The files are read by the file layer's rules: a file another holder keeps
// locked is waited for; a file that is still busy, is not a month file or
// has a day that cannot be read stops the walk before its minutes, which
// are never taken for minutes without data. Blocking() tells why.
class TMinuteWalker {
public:
    explicit TMinuteWalker(QString dataDir, int lockWaitMs = TFileAccess::LockWaitMs);
    ~TMinuteWalker();

    // Up to max minutes after the minute `after`, in order; each minute
    // without data is followed by a stored one. The minutes without data
    // right after `after` come too when afterWasSent (it was a minute of the
    // stream), otherwise the walk begins at the next stored minute. Empty
    // when no stored minute follows.
    std::vector<PublishedMinute> Next(WallMinute after, int max, bool afterWasSent = true);

    // The newest stored minute of the two newest month files, or NoMinute.
    WallMinute NewestStored();

    // Up to max stored minutes up to `last` that `known` does not hold nor
    // `skip`, in order, marked late. A month whose files did not change
    // since it was last found without such a minute is not read again.
    std::vector<PublishedMinute> Late(WallMinute last, const TMinuteRuns& known,
                                      const std::set<WallMinute>& skip, int max);
    // Every stored minute up to `last`, as runs.
    TMinuteRuns StoredUpTo(WallMinute last);
    // The first minute of the oldest month file, or NoMinute.
    WallMinute OldestMonthStart() const;

    // Why the last walk stopped early, or None.
    struct Block {
        enum Kind { None, Busy, Damaged, Unreadable };
        Kind kind = None;
        QString path;
    };
    Block Blocking() const { return FBlock; }

private:
    struct Source;
    struct Pick {
        Source* source = nullptr;
        uint32_t slot = 0;
        bool stored = false;
        bool blocked = false; // the minute cannot be read now
    };
    using Sources = std::map<int, std::unique_ptr<Source>>;
    // What tells a changed file: inode, size, modification and change time.
    using Print = std::tuple<quint64, qint64, qint64, qint64>;

    // The month files present, by month index (year since 1980 x 12 + month - 1).
    std::map<int, QString> MonthFiles() const;
    // The month file of a month index, read on first use; null when there
    // is none. One that cannot be used now comes back with usable false.
    Source* SourceOf(Sources& sources, const std::map<int, QString>& files, int month);
    // Where the minute lies: its own month's file, or the previous file's
    // overflow days when only that one has a record there.
    static Pick PickMinute(Source* own, Source* previous, WallMinute minute,
                           WallMinute monthStart);
    // Calls visit(minute, pick) for the minutes of a month up to `last`;
    // false when a file of the month could not be read.
    bool VisitMonth(Sources& sources, const std::map<int, QString>& files, int month,
                    WallMinute last, const std::function<void(WallMinute, const Pick&)>& visit);
    Print PrintOf(const std::map<int, QString>& files, int month) const;
    // The minute as published; none when its day cannot be read now.
    std::optional<PublishedMinute> Describe(const Pick& pick);
    void SetBlock(Block::Kind kind, const QString& path);
    // The offset of a local time and whether it exists, the zone's answer
    // kept per hour.
    int OffsetOf(const LocalTime& t);
    bool Exists(WallMinute minute);

    QString FDir;
    int FLockWaitMs;
    QTimeZone FZone;                  // the computer's, taken at each walk
    std::map<int64_t, int> FOffsets;  // by local hour, during one walk
    std::map<int64_t, bool> FExists;  // by local hour, during one walk
    std::map<int, std::pair<Print, Print>> FClean; // months without late minutes
    Block FBlock;
};
