#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct MonthDocument;
class TMonthReader;

// The figures of a time range of a month document, per channel: the values
// at both ends, their difference, minimum, maximum, mean and standard
// deviation, of the measured values only. Minutes in ordinary exception
// periods and empty minutes (and minutes whose day cannot be had) are
// counted apart as without data; values beyond the channel's limits
// ("#U/L", "#O/L") are counted apart as beyond the limits.
// Values are in the channel's scaled units: inputMult x raw + offsetValue,
// in steps of 10^-decimals (the integer the diagram labels show).
struct TChannelStats {
    int channel = 0; // 0..13
    QByteArray name; // the file's own Windows-1252 bytes
    QByteArray unit;
    int decimals = 0;
    int colourChoice = 0;
    std::optional<uint32_t> start; // none on a minute without data
    std::optional<uint32_t> end;
    std::optional<int64_t> difference;
    std::optional<uint32_t> min;
    std::optional<uint32_t> max;
    std::optional<double> mean;   // in scaled integer units
    std::optional<double> stddev; // population deviation, scaled integer units
    int counted = 0;
    int withoutData = 0;
    int beyondLimits = 0;
};

struct TRangeStats {
    uint16_t from = 0; // first slot of the range
    uint16_t to = 0;   // last slot, included
    int minutes = 0;   // to - from + 1
    std::vector<TChannelStats> channels;
};

// The figures of slots from .. to (both included, from <= to) for the given
// channels (0..13, in the given order).
TRangeStats RangeStatistics(const MonthDocument& document, uint16_t from, uint16_t to,
                            const std::vector<int>& channels);
// The same of the minutes a reader gives (a month file read from disk);
// the reader's Failure() tells when a day could not be had.
TRangeStats RangeStatistics(TMonthReader& minutes, uint16_t from, uint16_t to,
                            const std::vector<int>& channels);

// The channels the readout lists for a window: shown and in use.
std::vector<int> ReadoutChannels(const MonthDocument& document);

// A scaled value (or a mean) in the channel's units: value / 10^decimals.
double InUnits(double scaled, int decimals);

// The number text of the readout: the value in units with `decimals`
// decimals and a point; "—" for none.
QString ReadoutNumber(std::optional<double> scaled, int decimals);

// The figures of a channel as the readout shows them: start, end,
// difference, minimum, maximum, mean and standard deviation.
QStringList FigureTexts(const TChannelStats& channel);

// "1 minute without data", "10 minutes without data".
QString WithoutDataText(int minutes);

// A slot's minute as the screen shows a time (the table for the clipboard
// keeps the CSV's form).
QString SlotTimeForPeople(const MonthDocument& document, uint32_t slot);

// "1 h 05 min" for a span of minutes; days when it is a day or longer
// ("2 d 03 h 10 min").
QString DurationText(int minutes);

// The table that "Copy" puts on the clipboard: one line for the range
// (start, end, duration), a header line, then one line per channel; fields
// separated by tabs, lines by "\n".
QString RangeStatsTable(const MonthDocument& document, const TRangeStats& stats);

// The status bar's one line: "Range 2026-03-01 10:00 – 2026-03-01 11:00,
// 1 h 00 min" and, when minutes were left out, ", 12 minutes without data".
QString RangeSummaryText(const MonthDocument& document, const TRangeStats& stats);
