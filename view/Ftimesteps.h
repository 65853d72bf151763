#pragma once

class TScale;

// The level of a time division: it picks the label size on the time axis
// and the line style of the time grid.
enum class TTimeLevel { None, Minute, Hour, Day };

// Walks the time divisions of a visible range in steps of the scale's time
// step, knowing at each division whether it is a midnight, a whole hour or a
// minute division. The time axis and the time grid both walk this way, so
// labels and lines agree.
struct TTimeWalk {
    // Starts at the first division at or after slot first. daysInMonth
    // folds the overflow days back to 1 and 2; 0 leaves the days alone.
    TTimeWalk(const TScale& scale, int first, int daysInMonth);

    // To the next division.
    void Advance();

    int step;
    int offset; // slots from first to the first division
    int minute; // slot of the current division
    int minuteOfHour;
    int hour;
    int day;
    int daysInMonth;
    TTimeLevel level; // None: the scale shows no division at all
};
