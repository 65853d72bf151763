#pragma once

#include <QString>

struct LocalTime;

// How the screen shows times and numbers to a person, in the installed
// language. Files, CSV and printed reports keep their own fixed forms.

// A date and time as a person reads it everywhere on screen ("2026-12-10
// 09:38" in English, "10.12.2026 09:38" in German); the system's own texts
// keep their "2026.12.10 /  9:38".
QString FormatDateTimeForPeople(const LocalTime& t);

// True when numbers on screen take a decimal comma: it follows the installed
// language, not the locale the program was started in.
bool DecimalCommaForPeople();
