#include "config/Fcalendar.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fsettingkeys.h"

#include <cctype>

namespace {

constexpr int DaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of the file's own month: the blocks before the overflow days.
int OwnDays(const MonthInfo& h) {
    return int(h.daysStored) - int(h.overflowDays);
}

// 1-based day block of a slot.
int Block(uint32_t slot) {
    return int(slot / MinutesPerDay) + 1;
}

// A two-character number of the rule text, kept to 8 bits; the characters
// are not checked to be digits.
uint8_t RuleNumber(const QByteArray& text, qsizetype at) {
    return static_cast<uint8_t>(10 * (text[at] - '0') + (text[at + 1] - '0'));
}

uint16_t SwitchMinute(uint8_t day, uint8_t hour) {
    return static_cast<uint16_t>((int(day) - 1) * MinutesPerDay + int(hour) * 60);
}

} // namespace

SampleTime SampleTimeFromLocal(const LocalTime& t) {
    SampleTime s;
    s.year = static_cast<uint8_t>(t.year - YearBase);
    s.month = static_cast<uint8_t>(t.month);
    s.minute = static_cast<uint16_t>((t.day - 1) * MinutesPerDay + t.hour * 60 + t.minute);
    return s;
}

DeviceClock UnitClockFromLocal(const LocalTime& t) {
    DeviceClock c;
    c.year = static_cast<uint8_t>(t.year - YearBase);
    c.month = static_cast<uint8_t>(t.month);
    c.day = static_cast<uint8_t>(t.day);
    c.hour = static_cast<uint8_t>(t.hour);
    c.minute = static_cast<uint8_t>(t.minute);
    c.second = static_cast<uint8_t>(t.second);
    return c;
}

int DaysInMonth(uint8_t year, uint8_t month) {
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && year % 4 == 0)
        return 29;
    return DaysPerMonth[month - 1];
}

void AddMonths(uint8_t& year, uint8_t& month, int count) {
    // Both truncate toward zero, so the remainder has the sign of count.
    const int q = count / 12;
    const int r = count % 12;
    int y = year + q;
    int m = month + r;
    if (m > 12) {
        m -= 12;
        ++y;
    } else if (m < 1) {
        m += 12;
        --y;
    }
    // The year is one byte and wraps.
    year = static_cast<uint8_t>(y);
    month = static_cast<uint8_t>(m);
}

int SlotYear(const MonthInfo& h, uint32_t slot) {
    if (Block(slot) <= OwnDays(h) || h.month != 12)
        return YearBase + h.year;
    return YearBase + h.year + 1;
}

int SlotMonth(const MonthInfo& h, uint32_t slot) {
    if (Block(slot) <= OwnDays(h))
        return h.month;
    return h.month == 12 ? 1 : h.month + 1;
}

int SlotDay(const MonthInfo& h, uint32_t slot) {
    const int b = Block(slot);
    const int d = OwnDays(h);
    return b <= d ? b : b - d;
}

int SlotHour(uint32_t slot) {
    return int(slot % MinutesPerDay) / 60;
}

bool IsMidnight(uint32_t slot) {
    return slot % MinutesPerDay == 0;
}

bool IsSummerPeriodText(const QByteArray& text) {
    return text.size() == 17 && text[2] == '.' && text[11] == '.' && text[5] == '/' &&
           text[14] == '/' && text[8] == ',';
}

bool IsSummerPeriodEntry(const QByteArray& text, uint8_t year) {
    if (!IsSummerPeriodText(text))
        return false;
    for (const qsizetype at : {0, 3, 6, 9, 12, 15})
        if (!std::isdigit(static_cast<unsigned char>(text[at])) ||
            !std::isdigit(static_cast<unsigned char>(text[at + 1])))
            return false;
    for (const qsizetype at : {0, 9}) {
        const int day = RuleNumber(text, at);
        const int month = RuleNumber(text, at + 3);
        const int hour = RuleNumber(text, at + 6);
        if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, uint8_t(month)) ||
            hour > 23)
            return false;
    }
    return true;
}

bool ParseSummerRule(const QByteArray& text, SummerRule& rule) {
    if (!IsSummerPeriodText(text))
        return false;
    rule.startMonth = RuleNumber(text, 3);
    rule.startDay = RuleNumber(text, 0);
    rule.startHour = RuleNumber(text, 6);
    rule.endMonth = RuleNumber(text, 12);
    rule.endDay = RuleNumber(text, 9);
    rule.endHour = RuleNumber(text, 15);
    return true;
}

bool ReadSummerRule(const TIniFile& ini, uint8_t year, SummerRule& rule) {
    const QByteArray key = SettingKey::SummerTime(YearBase + int(year));
    return ParseSummerRule(ini.ReadString(IniSection, key, QByteArray()), rule);
}

SummerStateInfo SummerState(const TIniFile& ini, uint8_t year, uint8_t month) {
    SummerRule rule;
    const bool valid = ReadSummerRule(ini, year, rule);
    return SummerStateOf(valid, rule, month);
}

SummerStateInfo SummerStateOf(bool valid, const SummerRule& rule, uint8_t month) {
    SummerStateInfo s;
    if (!valid)
        return s;
    // The start test comes first: a rule starting and ending in one month
    // gives that month the start.
    if (month == rule.startMonth) {
        s.mode = 3;
        s.switchMinute = SwitchMinute(rule.startDay, rule.startHour);
    } else if (month == rule.endMonth) {
        s.mode = 4;
        s.switchMinute = SwitchMinute(rule.endDay, rule.endHour);
    } else if (rule.startMonth < month && month < rule.endMonth) {
        s.mode = 2;
    }
    return s;
}

bool InSummer(const SummerStateInfo& state, uint32_t slot) {
    switch (state.mode) {
    case 2:
        return true;
    case 3:
        return slot >= state.switchMinute;
    case 4:
        return slot < state.switchMinute;
    default:
        return false;
    }
}
