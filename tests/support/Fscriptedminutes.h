#pragma once

#include "config/Fchannel.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"

#include <QTest>

#include <array>
#include <cstring>

// Scripted minutes of one channel and what every reader of month data makes
// of them: the screen (the value window's text), the statistics, the CSV
// export and the published minute. Each reader's tests walk this one table,
// so a slip in the limit, exception or no-data rule fails all of them.
//
// The channel: raw x 10 + 5 in tenths, measurable from 105 to 2005, that is
// from "10.5" to "200.5". The minutes lie in a December file from 31
// December 23:55 on and run into its overflow days (1 January of the next
// year); a minute marked 'o' lies in a one-minute ordinary exception period
// of the channel, one marked 'n' in a note-only period.
struct TScriptedMinute {
    const char* name;
    bool stored;         // a record is there
    uint16_t raw;        // the stored raw value (0 where no record is)
    char period;         // ' ' none, 'o' ordinary, 'n' note-only
    const char* time;    // the minute as the CSV writes it
    const char* screen;  // the value window's value text, trimmed
    const char* csv;     // the CSV field
    const char* payload; // the published "value"
    char stats;          // 'c' counted, 'w' without data, 'b' beyond the limits
};

inline constexpr int ScriptedCount = 12;

inline constexpr std::array<TScriptedMinute, ScriptedCount> ScriptedMinutes = {{
    {"inRange", true, 123, ' ', "2025-12-31 23:55", "123.5", "123,5", "123.5", 'c'},
    {"atTheMinimum", true, 10, ' ', "2025-12-31 23:56", "10.5", "10,5", "10.5", 'c'},
    {"belowTheMinimum", true, 9, ' ', "2025-12-31 23:57", "#U/L", "0", "null", 'b'},
    {"atTheMaximum", true, 200, ' ', "2025-12-31 23:58", "200.5", "200,5", "200.5", 'c'},
    {"aboveTheMaximum", true, 201, ' ', "2025-12-31 23:59", "#O/L", "0", "null", 'b'},
    {"withoutData", false, 0, ' ', "2026-01-01 00:00", "\x97", "0", "null", 'w'},
    {"inAnOrdinaryPeriod", true, 50, 'o', "2026-01-01 00:01", "50.5", "0", "null", 'w'},
    {"beyondInAnOrdinaryPeriod", true, 300, 'o', "2026-01-01 00:02", "#O/L", "0", "null", 'w'},
    {"inANoteOnlyPeriod", true, 50, 'n', "2026-01-01 00:03", "50.5", "50,5", "50.5", 'c'},
    {"beyondInANoteOnlyPeriod", true, 5, 'n', "2026-01-01 00:04", "#U/L", "0", "null", 'b'},
    {"withoutDataInAPeriod", false, 0, 'o', "2026-01-01 00:05", "\x97", "0", "null", 'w'},
    {"largestRawValue", true, 65535, ' ', "2026-01-01 00:06", "#O/L", "0", "null", 'b'},
}};

// Minute i: from 31 December 23:55 on.
inline uint16_t ScriptedSlot(int i) {
    return uint16_t(31 * 1440 - 5 + i);
}

// In use, "Druck" in "bar", raw x 10 + 5, limits 105 and 2005, one decimal.
inline ChannelDef ScriptedChannel() {
    return ParseChannelDef("1,Druck,bar,0,10,105,2005,5,1,0,0,0");
}

// December 2025 with every day block in memory: channel 1 is the scripted
// channel, the others are not in use.
inline MonthDocument ScriptedDocument() {
    MonthDocument d;
    ChannelDefs channels{};
    channels[0] = ScriptedChannel();
    d.header = NewHeader(uint8_t(2025 - 1980), 12, "Werk Nord", channels);
    for (int b = 0; b < HeaderDaysStored(d.header); ++b)
        d.dayBlocks[b] = EmptyDayBlock();
    int periods = 0;
    for (int i = 0; i < ScriptedCount; ++i) {
        const TScriptedMinute& m = ScriptedMinutes[i];
        const uint16_t slot = ScriptedSlot(i);
        if (m.stored)
            PutSlot(d.dayBlocks[slot / SlotsPerDay], slot % SlotsPerDay, BuildSlot(0, {m.raw}));
        if (m.period != ' ') {
            ExceptionPeriod p;
            p.from = p.to = slot;
            p.channelMask = 0x0001;
            std::memcpy(p.code.data(), m.period == 'n' ? "!NOT" : "STOP", 4);
            WriteExceptionPeriod(d.exceptions, periods++, p);
        }
    }
    SetHeaderExceptionCount(d.header, uint16_t(periods));
    SetHeaderEndSlot(d.header, uint16_t(ScriptedSlot(ScriptedCount)));
    d.display.minutesShown = ScriptedSlot(ScriptedCount);
    d.display.channelVisible.fill(0);
    d.display.channelVisible[0] = 1;
    return d;
}

inline QByteArray ScriptedFileImage(const MonthDocument& d) {
    QByteArray f = d.header;
    for (int b = 0; b < HeaderDaysStored(d.header); ++b)
        f += d.dayBlocks[b];
    return f + d.operators + d.exceptions;
}

// One data row per scripted minute, named after it: its index.
inline void ScriptedMinuteRows() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < ScriptedCount; ++i)
        QTest::newRow(ScriptedMinutes[i].name) << i;
}
