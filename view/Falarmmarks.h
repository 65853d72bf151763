#pragma once

#include "config/Falarmlimits.h"
#include "config/Fchannel.h"

#include <QColor>

#include <algorithm>
#include <cstdint>
#include <vector>

class QPainter;
class TScale;
struct AlarmLogEntry;
struct MonthDocument;

// The alarms as the diagrams mark them: a dashed line at every limit of a
// shown channel, and a bar under the time axis over every alarm's minutes.

// A limit at its plot position (raw reading plus display offset), the
// height the channel's curve has when it sits exactly on the limit.
struct LimitLine {
    int channel = 0; // 0..13
    int kind = 0;    // AlarmKind
    double position = 0;
    QColor colour;
};

// The plot position of a limit (millionths of the channel's unit); false
// when the channel's scaling cannot reach it (no input multiplier).
bool LimitPlotPosition(const ChannelDef& c, int64_t limit, double& position);

// The limits of the shown channels in use that lie inside the value band
// 0 .. bandHeight.
std::vector<LimitLine> ShownLimitLines(const MonthDocument& document,
                                       const ChannelAlarmLimits& limits, int bandHeight);

// Draws the lines across columns x1 .. x2 of a plot area of the height,
// at the heights the curves use (value units vu show as vp pixels).
void DrawLimitLines(QPainter& p, const std::vector<LimitLine>& lines, const TScale& scale,
                    int height, int x1, int x2);

// An alarm's minutes in a month file: from the raising slot to the
// clearing one; an alarm still active runs to the end of the minutes shown.
struct AlarmStretch {
    int channel = 0; // 0..13
    uint32_t from = 0;
    uint32_t to = 0; // exclusive
    bool open = false;
};

// Where a stretch's bar ends: at the clearing slot, or for an alarm still
// active at the minutes shown (one slot at least).
inline uint32_t StretchEnd(const AlarmStretch& s, uint32_t minutesShown) {
    return s.open ? std::max(minutesShown, s.from + 1) : s.to;
}

// The slot of a "YYYY-MM-DD HH:MM" time in the document's month file, or
// -1 when the file holds no such minute.
int SlotOfAlarmTime(const MonthDocument& document, const QString& time);

// The stretches of the alarms that were raised in the document's month file,
// from the lines of the alarm log in their order.
std::vector<AlarmStretch> AlarmStretchesOf(const MonthDocument& document,
                                           const std::vector<AlarmLogEntry>& log);

// Height of a stretch's bar.
constexpr int AlarmBarHeight = 4;

// Draws a stretch as a bar from column x1 up to x2 whose bottom edge lies
// at y, in the colour of its channel.
void DrawAlarmBar(QPainter& p, int x1, int x2, int y, const QColor& colour);
