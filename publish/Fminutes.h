#pragma once

#include "config/Cclock.h"

#include <QByteArray>
#include <QTimeZone>

#include <cstdint>

// The minutes of the month files in one line: minutes counted from
// 1980-01-01 00:00 of the stored time, month after month with the days the
// month files give them. Slot s of the file of a month is the minute
// MonthStart(month) + s, its overflow days included, so the overflow days
// of one file and the first days of the next file name the same minutes.
using WallMinute = int64_t;

// Before every minute: nothing published yet.
constexpr WallMinute NoMinute = -1;

// The first minute of a month (year since 1980, month 1..12).
WallMinute MonthStart(uint8_t year, uint8_t month);
// The month (year since 1980 and month) a minute lies in.
void MonthOf(WallMinute minute, uint8_t& year, uint8_t& month);

WallMinute ToWallMinute(const LocalTime& t);
LocalTime FromWallMinute(WallMinute minute);

// "YYYY-MM-DD HH:MM".
QByteArray MinuteText(const LocalTime& t);
// The form MinuteText writes; false for anything else or a day the month
// does not have.
bool ParseMinuteText(const QByteArray& text, LocalTime& t);

// Seconds east of UTC of a time zone, by default the computer's (TZ
// honoured), at that local time. In the hour that summer time's end
// repeats, the summer-time offset; in the hour that its start skips, the
// offset before it.
int UtcOffsetOfLocal(const LocalTime& t, const QTimeZone& zone = QTimeZone::systemTimeZone());
// False for a local time that the clocks skip (the hour summer time's start
// leaves out): no instant has it.
bool LocalTimeExists(const LocalTime& t, const QTimeZone& zone = QTimeZone::systemTimeZone());
// ISO 8601 with the offset: "2026-03-01T00:00:00+01:00".
QByteArray IsoTime(const LocalTime& t, int utcOffsetSeconds);
