#include "view/Frangestats.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fexport.h"
#include "files/Fmonthfile.h"
#include "view/Fexception.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The day block of a slot when it is in memory, otherwise null.
const QByteArray* BlockOf(const MonthDocument& d, int slot) {
    const int block = slot / SlotsPerDay;
    if (block >= MaxDayBlocks || block >= HeaderDaysStored(d.header))
        return nullptr;
    const QByteArray& b = d.dayBlocks[block];
    return b.size() >= DayBlockSize ? &b : nullptr;
}

// The scaled value of a channel at a slot, or none when the minute holds no
// data for it: empty, hidden by an ordinary exception period, not in memory.
std::optional<uint32_t> ValueAt(const MonthDocument& d, const TExceptionIndex& ex,
                                const ChannelDef& c, int channel, int slot) {
    const QByteArray* b = BlockOf(d, slot);
    if (!b)
        return std::nullopt;
    const int minute = slot % SlotsPerDay;
    if (SlotState(*b, minute) != SlotStored)
        return std::nullopt;
    if (ex.StateAt(channel, uint32_t(slot)) == ExceptionOrdinary)
        return std::nullopt;
    return ScaledValue(c, SlotValue(*b, minute, channel));
}

TChannelStats ChannelFigures(const MonthDocument& d, const TExceptionIndex& ex, int channel,
                             int from, int to) {
    const ChannelDef c = HeaderChannel(d.header, channel);
    TChannelStats s;
    s.channel = channel;
    s.name = c.name;
    s.unit = c.dimension;
    s.decimals = c.decimals;
    s.colourChoice = c.colourChoice;
    s.start = ValueAt(d, ex, c, channel, from);
    s.end = ValueAt(d, ex, c, channel, to);
    if (s.start && s.end)
        s.difference = int64_t(*s.end) - int64_t(*s.start);

    // The sum is exact in 64 bits (at most 47520 values below 2^32); the
    // spread is taken around the mean in a second pass, so no large squares
    // lose their digits.
    int64_t sum = 0;
    uint32_t lo = UINT32_MAX;
    uint32_t hi = 0;
    for (int slot = from; slot <= to; ++slot) {
        const std::optional<uint32_t> v = ValueAt(d, ex, c, channel, slot);
        if (!v) {
            ++s.withoutData;
            continue;
        }
        ++s.counted;
        sum += *v;
        lo = std::min(lo, *v);
        hi = std::max(hi, *v);
    }
    if (s.counted == 0)
        return s;
    const double mean = double(sum) / s.counted;
    double squares = 0;
    for (int slot = from; slot <= to; ++slot) {
        if (const std::optional<uint32_t> v = ValueAt(d, ex, c, channel, slot)) {
            const double dv = double(*v) - mean;
            squares += dv * dv;
        }
    }
    s.min = lo;
    s.max = hi;
    s.mean = mean;
    s.stddev = std::sqrt(squares / s.counted);
    return s;
}

QString TimeText(const MonthDocument& d, uint16_t slot) {
    return QString::fromLatin1(ExportTimeText(d, slot));
}

std::optional<double> AsDouble(std::optional<uint32_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

std::optional<double> AsDouble(std::optional<int64_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

} // namespace

TRangeStats RangeStatistics(const MonthDocument& document, uint16_t from, uint16_t to,
                            const std::vector<int>& channels) {
    TRangeStats r;
    r.from = std::min(from, to);
    r.to = std::max(from, to);
    r.minutes = r.to - r.from + 1;
    const TExceptionIndex ex(document);
    for (int ch : channels) {
        if (ch >= 0 && ch < 14)
            r.channels.push_back(ChannelFigures(document, ex, ch, r.from, r.to));
    }
    return r;
}

std::vector<int> ReadoutChannels(const MonthDocument& document) {
    std::vector<int> out;
    for (int ch = 0; ch < 14; ++ch) {
        if (document.display.channelVisible[ch] != 0 && HeaderChannel(document.header, ch).active)
            out.push_back(ch);
    }
    return out;
}

double InUnits(double scaled, int decimals) {
    return scaled / std::pow(10.0, decimals);
}

QString ReadoutNumber(std::optional<double> scaled, int decimals) {
    if (!scaled)
        return QString::fromUtf8("—");
    // QString::number ignores the locale: always a point.
    return QString::number(InUnits(*scaled, decimals), 'f', decimals);
}

QString DurationText(int minutes) {
    const int days = minutes / 1440;
    const int hours = minutes / 60 % 24;
    const int mins = minutes % 60;
    const QString hm = QString("%1 h %2 min").arg(hours).arg(mins, 2, 10, QChar('0'));
    return days > 0 ? QString("%1 d %2").arg(days).arg(hm) : hm;
}

QString RangeStatsTable(const MonthDocument& document, const TRangeStats& stats) {
    QStringList lines;
    lines << QStringList{"Start", TimeText(document, stats.from), "End", TimeText(document, stats.to),
                         "Duration", DurationText(stats.to - stats.from)}
                 .join('\t');
    lines << QStringList{"Channel", "Name",    "Unit",    "Start",   "End",
                         "Difference", "Minimum", "Maximum", "Mean", "Std dev",
                         "Counted",    "Without data"}
                 .join('\t');
    for (const TChannelStats& c : stats.channels) {
        const int dec = c.decimals;
        lines << QStringList{QString::number(c.channel + 1),
                             FromAnsi(c.name),
                             FromAnsi(c.unit),
                             ReadoutNumber(AsDouble(c.start), dec),
                             ReadoutNumber(AsDouble(c.end), dec),
                             ReadoutNumber(AsDouble(c.difference), dec),
                             ReadoutNumber(AsDouble(c.min), dec),
                             ReadoutNumber(AsDouble(c.max), dec),
                             ReadoutNumber(c.mean, dec),
                             ReadoutNumber(c.stddev, dec),
                             QString::number(c.counted),
                             QString::number(c.withoutData)}
                     .join('\t');
    }
    return lines.join('\n') + '\n';
}

QString RangeSummaryText(const MonthDocument& document, const TRangeStats& stats) {
    QString text = QString::fromUtf8("Range %1 – %2, %3")
                       .arg(TimeText(document, stats.from), TimeText(document, stats.to),
                            DurationText(stats.to - stats.from));
    int without = 0;
    for (const TChannelStats& c : stats.channels)
        without = std::max(without, c.withoutData);
    if (without > 0)
        text += QString(", %1 minute%2 without data").arg(without).arg(without == 1 ? "" : "s");
    return text;
}
