#include "view/Frangestats.h"

#include "config/Cclock.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "config/Fforpeople.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fexport.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The figures of one channel over slots from .. to of a reader; values
// collects the measured values in their order.
TChannelStats ChannelFigures(TMonthReader& minutes, int channel, int from, int to,
                             std::vector<uint32_t>& values) {
    const ChannelDef& c = minutes.Channel(channel);
    TChannelStats s;
    s.channel = channel;
    s.name = c.name;
    s.unit = c.dimension;
    s.decimals = c.decimals;
    s.colourChoice = c.colourChoice;
    values.clear();
    for (int slot = from; slot <= to; ++slot) {
        const TChannelMinute m = minutes.At(channel, uint32_t(slot));
        switch (m.Kind()) {
        case TMinuteKind::InRange:
            values.push_back(m.value);
            break;
        case TMinuteKind::UnderLimit:
        case TMinuteKind::OverLimit:
            ++s.beyondLimits;
            break;
        default:
            // Also a minute whose day cannot be had: it has no data.
            ++s.withoutData;
            break;
        }
    }
    if (minutes.At(channel, uint32_t(from)).Counts())
        s.start = values.front();
    if (minutes.At(channel, uint32_t(to)).Counts())
        s.end = values.back();
    if (s.start && s.end)
        s.difference = int64_t(*s.end) - int64_t(*s.start);
    s.counted = int(values.size());
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

} // namespace

QString SlotTimeForPeople(const MonthDocument& d, uint32_t slot) {
    const MonthInfo info = d.Info();
    return FormatDateTimeForPeople({SlotYear(info, slot), SlotMonth(info, slot),
                                    SlotDay(info, slot), int(SlotHour(slot)), int(slot % 60), 0});
}

namespace {

std::optional<double> AsDouble(std::optional<uint32_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

std::optional<double> AsDouble(std::optional<int64_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

} // namespace

TRangeStats RangeStatistics(const MonthDocument& document, uint16_t from, uint16_t to,
                            const std::vector<int>& channels) {
    TMemoryDays days(document);
    TMonthReader minutes(document, days);
    return RangeStatistics(minutes, from, to, channels);
}

TRangeStats RangeStatistics(TMonthReader& minutes, uint16_t from, uint16_t to,
                            const std::vector<int>& channels) {
    TRangeStats r;
    r.from = std::min(from, to);
    r.to = std::max(from, to);
    r.minutes = r.to - r.from + 1;
    std::vector<uint32_t> values;
    values.reserve(size_t(r.minutes));
    for (int ch : channels) {
        if (ch >= 0 && ch < ChannelCount)
            r.channels.push_back(ChannelFigures(minutes, ch, r.from, r.to, values));
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
    // The default locale is the language's: a decimal comma in German.
    return QLocale().toString(InUnits(*scaled, decimals), 'f', decimals);
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
    QString text =
        QCoreApplication::translate("Frangestats", "Range %1 – %2, %3")
            .arg(SlotTimeForPeople(document, stats.from), SlotTimeForPeople(document, stats.to),
                 DurationText(stats.to - stats.from));
    int without = 0;
    for (const TChannelStats& c : stats.channels)
        without = std::max(without, c.withoutData);
    if (without > 0)
        text += ", " + WithoutDataText(without);
    return text;
}
