#pragma once

#include <QString>

struct LocalTime;

// How the screen shows times and numbers to a person, in the installed
// language. Files, CSV and printed reports keep their own fixed forms.

// A date and time as a person reads it everywhere on screen ("2026-12-10
// 09:38" in English, "10.12.2026 09:38" in German); the system's own texts
// keep their "2026.12.10 /  9:38".
QString FormatDateTimeForPeople(const LocalTime& t);
// The same with the seconds, for a clock that is being set.
QString FormatDateTimeSecondsForPeople(const LocalTime& t);
// The date alone and the time alone, in the same forms.
QString FormatDateForPeople(int year, int month, int day);
// The QDateTime pattern of the date alone, for a date editor.
QString DatePatternForPeople();
QString FormatTimeForPeople(int hour, int minute);
// A minute as the alarm log and the publisher store it ("2026-12-10 09:38"),
// in the people's form; a text that is no such minute stays as it is.
QString StoredMinuteForPeople(const QString& stored);

// True when numbers on screen take a decimal comma: it follows the installed
// language, not the locale the program was started in.
bool DecimalCommaForPeople();
