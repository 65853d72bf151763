#pragma once

#include "publish/Fminutes.h"

#include <QByteArray>

#include <map>

// A set of minutes kept as runs of consecutive minutes: the stored minutes
// the broker acknowledged, which are few runs however many minutes.
class TMinuteRuns {
public:
    void Add(WallMinute minute);
    bool Contains(WallMinute minute) const;
    bool IsEmpty() const { return FRuns.empty(); }
    int RunCount() const { return int(FRuns.size()); }
    // Forgets the minutes before `first`: months that are gone.
    void ForgetBefore(WallMinute first);
    // Forgets the minutes after `last`: the cursor was set back.
    void ForgetAfter(WallMinute last);

    // "2026-03-01 00:00/2026-03-31 23:59,2026-04-02 10:00", a run of one
    // minute without "/"; empty for no minute.
    QByteArray Text() const;
    // The form Text writes; false for anything else (the set is then empty).
    bool Parse(const QByteArray& text);

    bool operator==(const TMinuteRuns&) const = default;

private:
    std::map<WallMinute, WallMinute> FRuns; // first minute -> last minute
};
