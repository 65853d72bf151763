#pragma once

#include "config/Cfileaccess.h"
#include "publish/Fminutes.h"
#include "publish/Fpayload.h"

#include <QString>
#include <QTimeZone>

#include <map>
#include <memory>
#include <vector>

// Walks the minutes of the month files of a data directory in time order,
// reading the files from disk as they are at that moment (read shared;
// nothing is written). The month files are the log of what to publish.
//
// A minute is taken from its own month's file; a minute of the first two
// days of a month that only the previous file holds (its overflow days)
// comes from there. Minutes without a record are walked too where they lie
// between two stored minutes, so that a consumer sees every minute of a
// stretch; never after the newest stored minute, which later records fill.
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

private:
    struct Source;
    struct Pick {
        Source* source = nullptr;
        uint32_t slot = 0;
        bool stored = false;
    };
    using Sources = std::map<int, std::unique_ptr<Source>>;

    // The month files present, by month index (year since 1980 x 12 + month - 1).
    std::map<int, QString> MonthFiles() const;
    // The valid month file of a month index, read on first use; null when
    // there is none.
    Source* SourceOf(Sources& sources, const std::map<int, QString>& files, int month);
    // Where the minute lies: its own month's file, or the previous file's
    // overflow days when only that one has a record there.
    static Pick PickMinute(Source* own, Source* previous, WallMinute minute);
    PublishedMinute Describe(const Pick& pick);
    // The offset of a local time, the zone's answer kept per hour.
    int OffsetOf(const LocalTime& t);

    QString FDir;
    int FLockWaitMs;
    QTimeZone FZone;                  // the computer's, taken at each walk
    std::map<int64_t, int> FOffsets;  // by local hour, during one walk
};
