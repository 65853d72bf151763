#include "view/Falarmmarks.h"

#include "config/Fcalendar.h"
#include "files/Calarmevaluator.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Fmonthfile.h"
#include "view/Cscale.h"
#include "view/Fdraw.h"

#include <QPainter>

#include <array>
#include <cmath>

bool LimitPlotPosition(const ChannelDef& c, int64_t limit, double& position) {
    if (c.inputMult == 0)
        return false;
    // The scaled value is inputMult x raw + offsetValue in 10^-decimals units.
    const double counts = double(limit) / double(AlarmValueScale) * std::pow(10.0, c.decimals);
    position = (counts - double(c.offsetValue)) / double(c.inputMult) + double(c.dispOffset);
    return true;
}

std::vector<LimitLine> ShownLimitLines(const MonthDocument& d, const ChannelAlarmLimits& limits,
                                       int bandHeight) {
    std::vector<LimitLine> lines;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelDef c = HeaderChannel(d.header, ch);
        if (c.active == 0 || !d.display.channelVisible[size_t(ch)])
            continue;
        const AlarmLimits& l = limits[size_t(ch)];
        const std::array<std::optional<int64_t>, AlarmKindCount> values = {l.high, l.low,
                                                                           l.highhigh, l.lowlow};
        for (int k = 0; k < AlarmKindCount; ++k) {
            double position = 0;
            if (!values[size_t(k)] || !LimitPlotPosition(c, *values[size_t(k)], position))
                continue;
            if (position >= 0 && position <= bandHeight)
                lines.push_back({ch, k, position, ChannelColour(c.colourChoice)});
        }
    }
    return lines;
}

void DrawLimitLines(QPainter& p, const std::vector<LimitLine>& lines, const TScale& scale,
                    int height, int x1, int x2) {
    if (lines.empty() || scale.valueUnits <= 0)
        return;
    p.save();
    for (const LimitLine& l : lines) {
        const int y = height - int(std::floor(l.position * scale.valuePixels / scale.valueUnits));
        p.setPen(QPen(l.colour, 0, Qt::DashLine));
        p.drawLine(x1, y, x2, y);
    }
    p.restore();
}

int SlotOfAlarmTime(const MonthDocument& d, const QString& time) {
    const int64_t minute = MinuteNumberOf(time);
    if (minute < 0)
        return -1;
    const MonthInfo info = d.Info();
    const int day = int(minute / (24 * 60) % 32);
    const int64_t dayStart = minute - minute % (24 * 60);
    // The days stored count the two overflow days of the next month.
    for (int i = 0; i < int(info.daysStored); ++i) {
        const uint32_t slot = uint32_t(i) * SlotsPerDay;
        if (SlotDay(info, slot) != day)
            continue;
        if (MinuteNumber(SlotYear(info, slot), SlotMonth(info, slot), day, 0, 0) == dayStart)
            return int(slot + uint32_t(minute - dayStart));
    }
    return -1;
}

std::vector<AlarmStretch> AlarmStretchesOf(const MonthDocument& d,
                                           const std::vector<AlarmLogEntry>& log) {
    std::vector<AlarmStretch> stretches;
    const uint32_t end = d.display.minutesShown;
    for (const AlarmLogEntry& a : FoldAlarmLog(log)) {
        const int from = SlotOfAlarmTime(d, a.raised);
        if (a.file != d.fileName || from < 0 || a.channel < 1 || a.channel > ChannelCount)
            continue;
        AlarmStretch s{a.channel - 1, uint32_t(from), std::max(uint32_t(from) + 1, end), true};
        if (!a.cleared.isEmpty()) {
            // Cleared in the next month's file: it lasts to the end of this one.
            const int to = SlotOfAlarmTime(d, a.cleared);
            s.open = false;
            if (to >= 0)
                s.to = std::max(uint32_t(to), s.from + 1);
        }
        stretches.push_back(s);
    }
    return stretches;
}

void DrawAlarmBar(QPainter& p, int x1, int x2, int y, const QColor& colour) {
    p.fillRect(QRect(x1, y - AlarmBarHeight, std::max(x2 - x1, 1), AlarmBarHeight), colour);
}
