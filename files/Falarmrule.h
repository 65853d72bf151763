#pragma once

#include "config/Falarmlimits.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The four limits a channel may have, each its own alarm.
enum AlarmKind { AlarmHigh, AlarmLow, AlarmHighHigh, AlarmLowLow };
constexpr int AlarmKindCount = 4;

// "high", "low", "highhigh", "lowlow": the names of the log and the INI.
QByteArray AlarmKindName(int kind);
// "high", "low", "high-high", "low-low" as a person reads them (translated).
QString AlarmKindText(int kind);
// The kind of a name; false for another text.
bool AlarmKindOf(const QByteArray& name, int& kind);
// High and high-high watch values above their limit, the others below.
constexpr bool WatchesAbove(int kind) {
    return kind == AlarmHigh || kind == AlarmHighHigh;
}

// A channel's limits in its own counts (10^-decimals units), as the rule
// compares them with the scaled values.
struct AlarmRule {
    std::array<std::optional<int64_t>, AlarmKindCount> limit;
    int64_t hysteresis = 0;
    int delay = 0;
    bool latched = false;
};
AlarmRule AlarmRuleOf(const AlarmLimits& limits, unsigned decimals);

// What the rule remembers of one limit between two minutes.
struct AlarmKindState {
    int beyond = 0;         // minutes with data beyond the limit in a row, not yet raised
    bool raised = false;    // raised and not yet back inside by the hysteresis
    bool unacknowledged = false; // raised since the last acknowledgement
    int64_t peak = 0;       // the furthest value since it was raised
};
using ChannelAlarmState = std::array<AlarmKindState, AlarmKindCount>;

// One minute of a channel as the rule sees it. A minute without data, in an
// ordinary exception period or beyond the measurable range does not count:
// it neither adds to the delay nor clears.
struct AlarmMinute {
    bool counts = false;
    int64_t value = 0; // scaled value, in the channel's counts
};

// What one minute changed: bit k of raised or cleared for kind k.
struct AlarmChanges {
    uint8_t raised = 0;
    uint8_t cleared = 0;
    bool Any() const { return raised != 0 || cleared != 0; }
};

// The rule of one channel for one minute. A limit is violated when the value
// lies beyond it; it raises at the first minute with data beyond it after
// `delay` such minutes in a row (a minute with data inside starts the count
// again); a raised limit clears when the value is back inside by the
// hysteresis; a latched one stays active until it has cleared and been
// acknowledged.
AlarmChanges EvaluateAlarmMinute(const AlarmRule& rule, ChannelAlarmState& state,
                                 const AlarmMinute& minute);

// Active: raised, or latched and not yet acknowledged.
inline bool AlarmActive(const AlarmRule& rule, const AlarmKindState& s) {
    return s.raised || (rule.latched && s.unacknowledged);
}
