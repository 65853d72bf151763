#include "tools/Fctlstats.h"

#include "config/Fcodec.h"
#include "files/Cmonthdata.h"
#include "files/Fexport.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlexport.h"
#include "view/Frangestats.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <optional>

namespace {

// A JSON string with its quotes and escapes.
QByteArray JsonString(const QString& s) {
    const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// A scaled value in the channel's units with `digits` decimals, or null.
QByteArray JsonNumber(std::optional<double> scaled, int decimals, int digits) {
    if (!scaled)
        return "null";
    const double v = InUnits(*scaled, decimals);
    QByteArray text = QByteArray::number(v, 'f', digits);
    if (text.startsWith("-") && text.toDouble() == 0.0)
        text.remove(0, 1); // no "-0.00"
    return text;
}

std::optional<double> AsDouble(std::optional<uint32_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

std::optional<double> AsDouble(std::optional<int64_t> v) {
    return v ? std::optional<double>(double(*v)) : std::nullopt;
}

// The keys in the order the command documents them.
QByteArray StatsJson(const MonthDocument& d, const TRangeStats& r) {
    QByteArray out = "{\n";
    out += "  \"from\": " + JsonString(QString::fromLatin1(ExportTimeText(d, r.from))) + ",\n";
    out += "  \"to\": " + JsonString(QString::fromLatin1(ExportTimeText(d, r.to))) + ",\n";
    out += "  \"minutes\": " + QByteArray::number(r.minutes) + ",\n";
    out += "  \"channels\": [";
    for (size_t i = 0; i < r.channels.size(); ++i) {
        const TChannelStats& c = r.channels[i];
        const int dec = c.decimals;
        // Mean and spread keep two more decimals than the measured values.
        const QList<std::pair<const char*, QByteArray>> fields = {
            {"channel", QByteArray::number(c.channel + 1)},
            {"name", JsonString(FromAnsi(c.name))},
            {"unit", JsonString(FromAnsi(c.unit))},
            {"start", JsonNumber(AsDouble(c.start), dec, dec)},
            {"end", JsonNumber(AsDouble(c.end), dec, dec)},
            {"difference", JsonNumber(AsDouble(c.difference), dec, dec)},
            {"min", JsonNumber(AsDouble(c.min), dec, dec)},
            {"max", JsonNumber(AsDouble(c.max), dec, dec)},
            {"mean", JsonNumber(c.mean, dec, dec + 2)},
            {"stddev", JsonNumber(c.stddev, dec, dec + 2)},
            {"counted", QByteArray::number(c.counted)},
            {"withoutData", QByteArray::number(c.withoutData)},
            {"beyondLimits", QByteArray::number(c.beyondLimits)},
        };
        out += i == 0 ? "\n    {" : ",\n    {";
        for (qsizetype k = 0; k < fields.size(); ++k) {
            out += k == 0 ? "\n" : ",\n";
            out += "      \"" + QByteArray(fields[k].first) + "\": " + fields[k].second;
        }
        out += "\n    }";
    }
    out += r.channels.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace

int CmdStats(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Prints the figures of the minutes between two marks of a month file as JSON: per channel "
        "the values at both ends, their difference, minimum, maximum, mean and standard deviation "
        "in the channel's units. Minutes of ordinary exception periods and empty minutes are left "
        "out and counted as withoutData, values beyond the channel's limits are left out and "
        "counted as beyondLimits. Without --channels the channels in use are listed."));
    AddRangeOptions(parser);
    const ParseResult pr = ParseOptions(parser, "stats", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    CtlEnv ctl(parser.value("data-dir"));
    MarkedFile m;
    if (const int rc = OpenMarked(parser, "stats", ctl, m); rc != 0)
        return rc;
    const MonthDocument& d = m.document;
    TFileDays days(d.FilePath(), ctl.env.lockWaitMs);
    TMonthReader minutes(d, days);
    std::vector<int> channels;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const bool listed = parser.isSet("channels") ? d.display.channelVisible[ch] != 0
                                                     : HeaderChannel(d.header, ch).active != 0;
        if (listed)
            channels.push_back(ch);
    }
    const TRangeStats r =
        RangeStatistics(minutes, d.display.markStart, d.display.markEnd, channels);
    // A day that cannot be read is no day without data.
    if (minutes.Failure() != TDaysFailure::None) {
        ctl.messages.Show(TMessages::Error, DaysFailureMessage(minutes.Failure()));
        return 1;
    }
    Print(StatsJson(d, r));
    return 0;
}
