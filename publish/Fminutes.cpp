#include "publish/Fminutes.h"

#include "config/Fcalendar.h"

#include <QDateTime>

#include <algorithm>
#include <cstdlib>

namespace {

// Days from 1980-01-01 to the first of a year since 1980: every year the
// calendar counts divisible by 4 is a leap year.
int64_t DaysBeforeYear(int year) {
    return 365LL * year + (year + 3) / 4;
}

QByteArray Digits(int value, int width) {
    return QByteArray::number(value).rightJustified(width, '0');
}

int ParseDigits(const QByteArray& text, int from, int count) {
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int OffsetAtInstant(const QTimeZone& zone, int64_t secondsSince1970) {
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(secondsSince1970, Qt::UTC));
}

} // namespace

WallMinute MonthStart(uint8_t year, uint8_t month) {
    int64_t days = DaysBeforeYear(year);
    for (uint8_t m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return days * MinutesPerDay;
}

void MonthOf(WallMinute minute, uint8_t& year, uint8_t& month) {
    int64_t days = minute / MinutesPerDay;
    // No year has more than 366 days: a start just below the year sought.
    int y = int(std::min<int64_t>(days / 366, 255));
    while (y < 255 && DaysBeforeYear(y + 1) <= days)
        ++y;
    days -= DaysBeforeYear(y);
    int m = 1;
    while (m < 12 && days >= DaysInMonth(uint8_t(y), uint8_t(m))) {
        days -= DaysInMonth(uint8_t(y), uint8_t(m));
        ++m;
    }
    year = uint8_t(y);
    month = uint8_t(m);
}

WallMinute ToWallMinute(const LocalTime& t) {
    const auto year = uint8_t(t.year - 1980);
    return MonthStart(year, uint8_t(t.month)) + (t.day - 1) * MinutesPerDay + t.hour * 60 +
           t.minute;
}

LocalTime FromWallMinute(WallMinute minute) {
    uint8_t year = 0;
    uint8_t month = 1;
    MonthOf(minute, year, month);
    const int64_t inMonth = minute - MonthStart(year, month);
    LocalTime t;
    t.year = 1980 + year;
    t.month = month;
    t.day = int(inMonth / MinutesPerDay) + 1;
    t.hour = int(inMonth % MinutesPerDay) / 60;
    t.minute = int(inMonth % 60);
    return t;
}

QByteArray MinuteText(const LocalTime& t) {
    return Digits(t.year, 4) + '-' + Digits(t.month, 2) + '-' + Digits(t.day, 2) + ' ' +
           Digits(t.hour, 2) + ':' + Digits(t.minute, 2);
}

bool ParseMinuteText(const QByteArray& text, LocalTime& t) {
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':')
        return false;
    LocalTime r;
    r.year = ParseDigits(text, 0, 4);
    r.month = ParseDigits(text, 5, 2);
    r.day = ParseDigits(text, 8, 2);
    r.hour = ParseDigits(text, 11, 2);
    r.minute = ParseDigits(text, 14, 2);
    if (r.year < 1980 || r.year > 2235 || r.month < 1 || r.month > 12 || r.day < 1 ||
        r.day > DaysInMonth(uint8_t(r.year - 1980), uint8_t(r.month)) || r.hour < 0 ||
        r.hour > 23 || r.minute < 0 || r.minute > 59)
        return false;
    t = r;
    return true;
}

namespace {

// The offset that gives this local time, preferring the larger in a
// repeated hour; false with the offset before when none does.
bool FittingOffset(const LocalTime& t, const QTimeZone& zone, int& fitting) {
    const int64_t wall = SecondsFromLocal(t); // the local time read as UTC
    // A day away on either side lies beyond any change of the offset near
    // the time; an offset fits when the instant it gives has that offset.
    const int before = OffsetAtInstant(zone, wall - 86400);
    const int after = OffsetAtInstant(zone, wall + 86400);
    for (const int offset : {std::max(before, after), std::min(before, after)}) {
        if (OffsetAtInstant(zone, wall - offset) == offset) {
            fitting = offset;
            return true;
        }
    }
    fitting = before;
    return false;
}

} // namespace

int UtcOffsetOfLocal(const LocalTime& t, const QTimeZone& zone) {
    int offset = 0;
    FittingOffset(t, zone, offset);
    return offset;
}

bool LocalTimeExists(const LocalTime& t, const QTimeZone& zone) {
    int offset = 0;
    return FittingOffset(t, zone, offset);
}

QByteArray IsoTime(const LocalTime& t, int utcOffsetSeconds) {
    const int minutes = std::abs(utcOffsetSeconds) / 60;
    return Digits(t.year, 4) + '-' + Digits(t.month, 2) + '-' + Digits(t.day, 2) + 'T' +
           Digits(t.hour, 2) + ':' + Digits(t.minute, 2) + ':' + Digits(t.second, 2) +
           (utcOffsetSeconds < 0 ? '-' : '+') + Digits(minutes / 60, 2) + ':' +
           Digits(minutes % 60, 2);
}
