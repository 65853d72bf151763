#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TCommBase;
struct LocalTime;

// The readings of the unit as its information and channel test show them;
// "#INV" where the unit did not answer.

// Whom a reading is shown to: zedactl's lines keep their fixed forms, a
// dialog shows dates and times in the installed language's form.
enum class ReadingFor { Scripts, People };

// "1.10  -/- 1992.11.14": firmware version and release date.
QString FirmwareText(TCommBase& comm, ReadingFor who = ReadingFor::Scripts);
// The count of waiting records (its low 16 bits).
QString RecordCountText(TCommBase& comm);
// "2026.03.10  /  14:05:09": the unit's clock.
QString UnitClockText(TCommBase& comm, ReadingFor who = ReadingFor::Scripts);
// A raw value with at least four digits: 45 is "0045".
QString RawValueText(uint16_t raw);
// The 14 present raw values; empty unless ReadCurrent gave exactly 1.
QStringList CurrentValueTexts(TCommBase& comm);

// The outcome of setting the unit's clock.
enum class ClockSetting {
    Set,
    NoConnection, // the unit did not accept it
    TooFar,       // more than 30 days from the PC clock
    OutOfRange,   // a year outside 1980 .. 2235 (the year byte)
};

// Sets the unit's clock to a local date and time. A time whose year does
// not fit the year byte is refused instead of wrapping; one more than 30
// days from the PC clock is refused because every record after it would be
// thrown away as implausible.
ClockSetting SetUnitClock(TCommBase& comm, const LocalTime& t);
