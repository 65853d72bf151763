#include "view/Ftimesteps.h"

#include "view/Cscale.h"

TTimeWalk::TTimeWalk(const TScale& scale, int first, int daysInMonth)
    : step(scale.timeStep > 0 ? scale.timeStep : 1440), daysInMonth(daysInMonth) {
    offset = first % step;
    if (offset != 0)
        offset = step - offset;
    minute = first + offset;
    minuteOfHour = minute % 60;
    hour = (minute / 60) % 24;
    day = minute / 1440 + 1;
    if (daysInMonth > 0 && day > daysInMonth)
        day -= daysInMonth;
    if (hour == 0 && minuteOfHour == 0 && scale.dayLines)
        level = TTimeLevel::Day;
    else if (minuteOfHour == 0 && scale.hourLines)
        level = TTimeLevel::Hour;
    else if (scale.quarterLines || scale.fiveMinuteLines)
        level = TTimeLevel::Minute;
    else
        level = TTimeLevel::None;
}

void TTimeWalk::Advance() {
    minute += step;
    if (step < 60) {
        minuteOfHour += step;
        if (minuteOfHour < 60) {
            level = TTimeLevel::Minute;
            return;
        }
        minuteOfHour = 0;
    }
    if (step <= 60) {
        hour += 1;
        if (hour < 24) {
            level = TTimeLevel::Hour;
            return;
        }
        hour = 0;
    }
    day += 1;
    if (daysInMonth > 0 && day > daysInMonth)
        day = 1;
    level = TTimeLevel::Day;
}
