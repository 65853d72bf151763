#include "files/Falarmrule.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr std::array<const char*, AlarmKindCount> KindNames = {"high", "low", "highhigh",
                                                                "lowlow"};

bool Beyond(int kind, int64_t value, int64_t limit) {
    return WatchesAbove(kind) ? value > limit : value < limit;
}

int64_t Further(int kind, int64_t a, int64_t b) {
    return WatchesAbove(kind) ? std::max(a, b) : std::min(a, b);
}

bool BackInside(int kind, int64_t value, int64_t limit, int64_t hysteresis) {
    return WatchesAbove(kind) ? value <= limit - hysteresis : value >= limit + hysteresis;
}

} // namespace

QByteArray AlarmKindName(int kind) {
    return kind >= 0 && kind < AlarmKindCount ? QByteArray(KindNames[kind]) : QByteArray();
}

bool AlarmKindOf(const QByteArray& name, int& kind) {
    for (int k = 0; k < AlarmKindCount; ++k)
        if (name == KindNames[k]) {
            kind = k;
            return true;
        }
    return false;
}

AlarmRule AlarmRuleOf(const AlarmLimits& limits, unsigned decimals) {
    AlarmRule r;
    const std::array<std::optional<int64_t>, AlarmKindCount> given = {
        limits.high, limits.low, limits.highhigh, limits.lowlow};
    for (int k = 0; k < AlarmKindCount; ++k)
        if (given[k])
            r.limit[k] = AlarmValueInCounts(*given[k], decimals);
    r.hysteresis = AlarmValueInCounts(limits.hysteresis, decimals);
    r.delay = limits.delay;
    r.latched = limits.latched;
    return r;
}

AlarmChanges EvaluateAlarmMinute(const AlarmRule& rule, ChannelAlarmState& state,
                                 const AlarmMinute& minute) {
    AlarmChanges changes;
    if (!minute.counts)
        return changes;
    const int64_t v = minute.value;
    for (int k = 0; k < AlarmKindCount; ++k) {
        if (!rule.limit[k])
            continue;
        AlarmKindState& s = state[k];
        const int64_t limit = *rule.limit[k];
        if (s.raised) {
            s.peak = Further(k, s.peak, v);
            if (BackInside(k, v, limit, rule.hysteresis)) {
                s.raised = false;
                changes.cleared |= uint8_t(1u << k);
            }
            continue;
        }
        if (!Beyond(k, v, limit)) {
            s.beyond = 0;
            continue;
        }
        // The peak counts from the first minute beyond, delay included.
        s.peak = s.beyond == 0 ? v : Further(k, s.peak, v);
        if (++s.beyond > rule.delay) {
            s.beyond = 0;
            s.raised = true;
            s.unacknowledged = true;
            changes.raised |= uint8_t(1u << k);
        }
    }
    return changes;
}

QString AlarmKindText(int kind) {
    // The context of the Alarms panel, which named them first.
    switch (kind) {
    case AlarmHigh:
        return QCoreApplication::translate("Ualarmpanel", "high");
    case AlarmLow:
        return QCoreApplication::translate("Ualarmpanel", "low");
    case AlarmHighHigh:
        return QCoreApplication::translate("Ualarmpanel", "high-high");
    default:
        return QCoreApplication::translate("Ualarmpanel", "low-low");
    }
}
