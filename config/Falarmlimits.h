#pragma once

#include "config/Fchannel.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class TIniFile;

// The alarm limits of one channel, in the channel's displayed units. A limit
// value is kept as a count of millionths, so that the INI text, the rule and
// the display agree to the last digit.
struct AlarmLimits {
    std::optional<int64_t> high; // millionths of a unit
    std::optional<int64_t> low;
    std::optional<int64_t> highhigh;
    std::optional<int64_t> lowlow;
    int64_t hysteresis = 0; // millionths, never negative
    int delay = 0;          // minutes with data beyond a limit before it raises
    bool latched = false;   // stays active until cleared and acknowledged

    bool AnyLimit() const { return high || low || highhigh || lowlow; }
    bool operator==(const AlarmLimits&) const = default;
};

using ChannelAlarmLimits = std::array<AlarmLimits, ChannelCount>;

constexpr int MaxAlarmDelay = 1440;
constexpr int AlarmValueDecimals = 6;
constexpr int64_t AlarmValueScale = 1000000;

// The INI section of the limits and the key of channel 1..14 ("Kanal_3").
inline const QByteArray AlarmSection = "Alarms";
QByteArray AlarmKey(int channel);

// A number of the limits text ("95.0", "-2.25", "7") as millionths; false
// when it is not a decimal number of at most six decimals.
bool ParseAlarmValue(const QByteArray& text, int64_t& value);
// Millionths as the limits text writes them: at least one decimal ("95.0").
QByteArray FormatAlarmValue(int64_t value);

// Parses "high=95.0,low=,highhigh=110.0,lowlow=,hysteresis=1.5,delay=2,
// latched=1"; fields may be left out or empty. False with the refusal,
// which names the field, when a field is unknown or its value cannot be one.
bool ParseAlarmLimits(const QByteArray& text, AlarmLimits& limits, QString& refusal);
// The text form with every field in the order above.
QByteArray FormatAlarmLimits(const AlarmLimits& limits);
// Why the limits cannot stand together (high-high not above high, low-low
// not below low, low not below high), or empty.
QString AlarmLimitsConflict(const AlarmLimits& limits);

// The limits of the 14 channels from the section; a key that cannot be
// parsed gives no limits for its channel and its refusal in refusals
// ("channel 3: ..."), so that a typing slip is told, never silently kept.
ChannelAlarmLimits ReadAlarmLimits(const TIniFile& ini, QStringList* refusals = nullptr);
// Writes (or, for limits without any limit, empties) the key of a channel.
bool WriteAlarmLimits(TIniFile& ini, int channel, const AlarmLimits& limits);

// A limit in millionths as a count of the channel's 10^-decimals units,
// rounded to the nearest.
int64_t AlarmValueInCounts(int64_t millionths, unsigned decimals);
// A scaled value (10^-decimals units) in millionths.
int64_t CountsInAlarmValue(int64_t counts, unsigned decimals);
