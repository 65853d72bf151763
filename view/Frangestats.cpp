#include "view/Frangestats.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptionstate.h"
#include "files/Fexport.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// What every channel of a range shares: which minutes were stored, and the
// day blocks they lie in (null where a day is not in memory).
struct TRangeSlots {
    int from = 0;
    int to = 0;
    std::vector<uint8_t> stored;       // one per minute of the range
    std::vector<const char*> slotData; // the 30 bytes of each minute, or null
};

TRangeSlots RangeSlots(const MonthDocument& d, int from, int to) {
    TRangeSlots r;
    r.from = from;
    r.to = to;
    const int n = to - from + 1;
    r.stored.assign(size_t(n), 0);
    r.slotData.assign(size_t(n), nullptr);
    const int days = std::min<int>(HeaderDaysStored(d.header), MaxDayBlocks);
    for (int i = 0; i < n; ++i) {
        const int slot = from + i;
        const int block = slot / SlotsPerDay;
        if (block >= days || d.dayBlocks[block].size() < DayBlockSize)
            continue;
        const char* at = d.dayBlocks[block].constData() + (slot % SlotsPerDay) * SlotSize;
        r.slotData[size_t(i)] = at;
        r.stored[size_t(i)] = uint8_t(at[0]) == SlotStored ? 1 : 0;
    }
    return r;
}

// The exception state of every minute of the range for one channel: the
// first period in table order that covers a minute decides.
void ChannelStates(const MonthDocument& d, int channel, const TRangeSlots& r,
                   std::vector<uint8_t>& states) {
    states.assign(r.stored.size(), ExceptionNone);
    if (HasEarlyLayoutMarker(d.header))
        return;
    const int count =
        std::min<int>(HeaderExceptionCount(d.header),
                      std::min<int>(int(d.exceptions.size() / ExceptionEntrySize), MaxExceptions));
    for (int i = 0; i < count; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(d.exceptions, i);
        if (!((p.channelMask >> channel) & 1))
            continue;
        const int64_t a = std::max<int64_t>(p.from, r.from);
        const int64_t b = std::min<int64_t>(p.to, r.to);
        const uint8_t state = p.IsNoteOnly() ? ExceptionNoteOnly : ExceptionOrdinary;
        for (int64_t s = a; s <= b; ++s) {
            uint8_t& st = states[size_t(s - r.from)];
            if (st == ExceptionNone)
                st = state;
        }
    }
}

TChannelStats ChannelFigures(const MonthDocument& d, const TRangeSlots& r, int channel,
                             std::vector<uint8_t>& states, std::vector<uint32_t>& values) {
    const ChannelDef c = HeaderChannel(d.header, channel);
    TChannelStats s;
    s.channel = channel;
    s.name = c.name;
    s.unit = c.dimension;
    s.decimals = c.decimals;
    s.colourChoice = c.colourChoice;
    ChannelStates(d, channel, r, states);

    // The minutes that count, in their order; an empty minute, one hidden by
    // an ordinary period or one out of memory has no value.
    const size_t n = r.stored.size();
    values.clear();
    const int valueAt = 2 + 2 * channel;
    for (size_t i = 0; i < n; ++i) {
        if (!r.stored[i] || states[i] == ExceptionOrdinary)
            continue;
        const auto* at = reinterpret_cast<const uchar*>(r.slotData[i]) + valueAt;
        values.push_back(ScaledValue(c, uint16_t(at[0] | (at[1] << 8))));
    }
    const auto counts = [&](size_t i) { return r.stored[i] && states[i] != ExceptionOrdinary; };
    if (counts(0))
        s.start = values.front();
    if (counts(n - 1))
        s.end = values.back();
    if (s.start && s.end)
        s.difference = int64_t(*s.end) - int64_t(*s.start);
    s.counted = int(values.size());
    s.withoutData = int(n) - s.counted;
    if (values.empty())
        return s;

    // The sum is exact in 64 bits (at most 47520 values below 2^32); the
    // spread is taken around the mean in a second pass, so no large squares
    // lose their digits.
    int64_t sum = 0;
    uint32_t lo = UINT32_MAX;
    uint32_t hi = 0;
    for (uint32_t v : values) {
        sum += v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double mean = double(sum) / double(values.size());
    double squares = 0;
    for (uint32_t v : values) {
        const double dv = double(v) - mean;
        squares += dv * dv;
    }
    s.min = lo;
    s.max = hi;
    s.mean = mean;
    s.stddev = std::sqrt(squares / double(values.size()));
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
    const TRangeSlots minutes = RangeSlots(document, r.from, r.to);
    std::vector<uint8_t> states;
    std::vector<uint32_t> values;
    values.reserve(size_t(r.minutes));
    for (int ch : channels) {
        if (ch >= 0 && ch < ChannelCount)
            r.channels.push_back(ChannelFigures(document, minutes, ch, states, values));
    }
    return r;
}

std::vector<int> ReadoutChannels(const MonthDocument& document) {
    std::vector<int> out;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (document.display.channelVisible[ch] != 0 && HeaderChannel(document.header, ch).active)
            out.push_back(ch);
    }
    return out;
}

double InUnits(double scaled, int decimals) {
    return scaled / std::pow(10.0, decimals);
}

QStringList FigureTexts(const TChannelStats& c) {
    const int dec = c.decimals;
    return {ReadoutNumber(AsDouble(c.start), dec),
            ReadoutNumber(AsDouble(c.end), dec),
            ReadoutNumber(AsDouble(c.difference), dec),
            ReadoutNumber(AsDouble(c.min), dec),
            ReadoutNumber(AsDouble(c.max), dec),
            ReadoutNumber(c.mean, dec),
            ReadoutNumber(c.stddev, dec)};
}

QString ReadoutNumber(std::optional<double> scaled, int decimals) {
    if (!scaled)
        return QString::fromUtf8("—");
    // QString::number ignores the locale: always a point.
    return QString::number(InUnits(*scaled, decimals), 'f', decimals);
}

QString WithoutDataText(int minutes) {
    return (minutes == 1 ? QCoreApplication::translate("Frangestats", "%1 minute without data")
                         : QCoreApplication::translate("Frangestats", "%1 minutes without data"))
        .arg(minutes);
}

QString DurationText(int minutes) {
    const int days = minutes / 1440;
    const int hours = minutes / 60 % 24;
    const int mins = minutes % 60;
    const QString hm = QCoreApplication::translate("Frangestats", "%1 h %2 min")
                           .arg(hours)
                           .arg(mins, 2, 10, QChar('0'));
    return days > 0 ? QCoreApplication::translate("Frangestats", "%1 d %2").arg(days).arg(hm) : hm;
}

QString RangeStatsTable(const MonthDocument& document, const TRangeStats& stats) {
    QStringList lines;
    lines << QStringList{QCoreApplication::translate("Frangestats", "Start"),
                         TimeText(document, stats.from),
                         QCoreApplication::translate("Frangestats", "End"),
                         TimeText(document, stats.to),
                         QCoreApplication::translate("Frangestats", "Duration"),
                         DurationText(stats.to - stats.from)}
                 .join('\t');
    lines << QStringList{QCoreApplication::translate("Frangestats", "Channel"),
                         QCoreApplication::translate("Frangestats", "Name"),
                         QCoreApplication::translate("Frangestats", "Unit"),
                         QCoreApplication::translate("Frangestats", "Start"),
                         QCoreApplication::translate("Frangestats", "End"),
                         QCoreApplication::translate("Frangestats", "Difference"),
                         QCoreApplication::translate("Frangestats", "Minimum"),
                         QCoreApplication::translate("Frangestats", "Maximum"),
                         QCoreApplication::translate("Frangestats", "Mean"),
                         QCoreApplication::translate("Frangestats", "Std dev"),
                         QCoreApplication::translate("Frangestats", "Counted"),
                         QCoreApplication::translate("Frangestats", "Without data")}
                 .join('\t');
    for (const TChannelStats& c : stats.channels) {
        lines << (QStringList{QString::number(c.channel + 1), FromAnsi(c.name), FromAnsi(c.unit)} +
                  FigureTexts(c) +
                  QStringList{QString::number(c.counted), QString::number(c.withoutData)})
                     .join('\t');
    }
    return lines.join('\n') + '\n';
}

QString RangeSummaryText(const MonthDocument& document, const TRangeStats& stats) {
    QString text = QCoreApplication::translate("Frangestats", "Range %1 – %2, %3")
                       .arg(TimeText(document, stats.from), TimeText(document, stats.to),
                            DurationText(stats.to - stats.from));
    int without = 0;
    for (const TChannelStats& c : stats.channels)
        without = std::max(without, c.withoutData);
    if (without > 0)
        text += ", " + WithoutDataText(without);
    return text;
}
