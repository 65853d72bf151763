#pragma once

#include <QByteArray>

#include <cstdint>

class TIniFile;
struct LocalTime;

// Years are stored as one byte counting from this year, wherever a record,
// the unit's clock or a month file holds them.
constexpr int YearBase = 1980;
// A month counts its minutes from 0 at midnight of its first day.
constexpr int MinutesPerDay = 1440;

// The time a record belongs to: years since 1980, month 1..12, and the
// minute of the month (day - 1) x 1440 + hour x 60 + minute.
struct SampleTime {
    uint8_t year = 0;
    uint8_t month = 0;
    uint16_t minute = 0;

    bool operator==(const SampleTime&) const = default;
};

// The unit's clock (6 bytes on the wire).
struct DeviceClock {
    uint8_t year = 0; // since 1980
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
};

// The minute a record made at a local time belongs to. The year must lie
// in 1980 .. 2235.
SampleTime SampleTimeFromLocal(const LocalTime& t);
// A local time as the unit's clock holds it; the same range of years.
DeviceClock UnitClockFromLocal(const LocalTime& t);

// What the slot conversions need of a month file header.
struct MonthInfo {
    uint8_t year = 0;  // since 1980
    uint8_t month = 1; // 1..12
    uint16_t daysStored = 0;
    uint16_t overflowDays = 0;
};

// Summer-time rule of a year: six numbers in this order.
struct SummerRule {
    uint8_t startMonth = 0;
    uint8_t startDay = 0;
    uint8_t startHour = 0;
    uint8_t endMonth = 0;
    uint8_t endDay = 0;
    uint8_t endHour = 0;
};

// Summer-time state of an open month file: mode 1 none, 2 whole month,
// 3 begins at the switch minute, 4 ends at the switch minute.
struct SummerStateInfo {
    uint16_t mode = 1;
    uint16_t switchMinute = 0;
};

int DaysInMonth(uint8_t year, uint8_t month);
void AddMonths(uint8_t& year, uint8_t& month, int count);

int SlotYear(const MonthInfo& h, uint32_t slot);
int SlotMonth(const MonthInfo& h, uint32_t slot);
int SlotDay(const MonthInfo& h, uint32_t slot);
int SlotHour(uint32_t slot);
bool IsMidnight(uint32_t slot);

// True for a rule text "DD.MM/HH,DD.MM/HH": exactly 17 characters with "."
// at positions 2 and 11, "/" at 5 and 14 and "," at 8; the other characters
// are not examined.
bool IsSummerPeriodText(const QByteArray& text);
// What the summer-time dialog accepts: a rule text whose digits give real
// days of the year (1980 + year) and hours 0 to 23, so that a typing slip
// never disables summer time unseen.
bool IsSummerPeriodEntry(const QByteArray& text, uint8_t year);
// Parses a 17-character rule text; false when it is not a valid rule.
bool ParseSummerRule(const QByteArray& text, SummerRule& rule);
// The rule stored under "SZ_" and the calendar year.
bool ReadSummerRule(const TIniFile& ini, uint8_t year, SummerRule& rule);
SummerStateInfo SummerState(const TIniFile& ini, uint8_t year, uint8_t month);
SummerStateInfo SummerStateOf(bool valid, const SummerRule& rule, uint8_t month);
bool InSummer(const SummerStateInfo& state, uint32_t slot);
