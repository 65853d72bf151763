#include "publish/Cminuteruns.h"

#include <QList>

#include <iterator>

void TMinuteRuns::Add(WallMinute minute) {
    auto next = FRuns.upper_bound(minute);
    if (next != FRuns.begin()) {
        const auto run = std::prev(next);
        if (minute <= run->second)
            return;
        if (minute == run->second + 1) {
            run->second = minute;
            // The run may now touch the next one.
            if (next != FRuns.end() && next->first == minute + 1) {
                run->second = next->second;
                FRuns.erase(next);
            }
            return;
        }
    }
    if (next != FRuns.end() && next->first == minute + 1) {
        const WallMinute last = next->second;
        FRuns.erase(next);
        FRuns[minute] = last;
        return;
    }
    FRuns[minute] = minute;
}

bool TMinuteRuns::Contains(WallMinute minute) const {
    const auto next = FRuns.upper_bound(minute);
    return next != FRuns.begin() && minute <= std::prev(next)->second;
}

void TMinuteRuns::ForgetBefore(WallMinute first) {
    while (!FRuns.empty() && FRuns.begin()->second < first)
        FRuns.erase(FRuns.begin());
    if (!FRuns.empty() && FRuns.begin()->first < first) {
        const WallMinute last = FRuns.begin()->second;
        FRuns.erase(FRuns.begin());
        FRuns[first] = last;
    }
}

void TMinuteRuns::ForgetAfter(WallMinute last) {
    while (!FRuns.empty() && std::prev(FRuns.end())->first > last)
        FRuns.erase(std::prev(FRuns.end()));
    if (!FRuns.empty() && std::prev(FRuns.end())->second > last)
        std::prev(FRuns.end())->second = last;
}

QByteArray TMinuteRuns::Text() const {
    QByteArray text;
    for (const auto& [first, last] : FRuns) {
        if (!text.isEmpty())
            text += ',';
        text += MinuteText(FromWallMinute(first));
        if (last != first)
            text += '/' + MinuteText(FromWallMinute(last));
    }
    return text;
}

bool TMinuteRuns::Parse(const QByteArray& text) {
    FRuns.clear();
    if (text.isEmpty())
        return true;
    WallMinute previous = NoMinute;
    for (const QByteArray& run : text.split(',')) {
        const QList<QByteArray> ends = run.split('/');
        LocalTime a;
        LocalTime b;
        if (ends.size() > 2 || !ParseMinuteText(ends.first(), a) ||
            !ParseMinuteText(ends.last(), b)) {
            FRuns.clear();
            return false;
        }
        const WallMinute first = ToWallMinute(a);
        const WallMinute last = ToWallMinute(b);
        // Runs in order, apart and not overlapping, as Text writes them.
        if (last < first || (previous != NoMinute && first <= previous + 1)) {
            FRuns.clear();
            return false;
        }
        FRuns[first] = last;
        previous = last;
    }
    return true;
}
