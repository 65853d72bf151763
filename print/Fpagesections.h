#pragma once

#include "config/Fcalendar.h"
#include "config/Fchannel.h"

#include <QByteArray>
#include <QLine>
#include <QPen>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;
class TTableColor;
struct MonthDocument;

// The sections a printed page is drawn of, the same for the day and month
// reports and for the print of a window's view: header, time grid, value
// grid and legend (the traces are TTracePlotter's). Positions are printer
// pixels; each report says where its sections lie.

// Texts of one line that may reach beyond their box.
constexpr int SingleLineText = Qt::TextSingleLine | Qt::TextDontClip;
// The pens of the grids and the operator column.
inline const QPen DashedPen{Qt::black, 0, Qt::DashLine};
inline const QPen DottedPen{Qt::black, 0, Qt::DotLine};

// "YYYY.MM.DD" of a minute of the month.
QString DateText(const MonthInfo& info, uint32_t minute);
// "ZEDA-/-<location>: YYYY.MM.DD", the start of every page header.
QString PageTitle(const QString& location, const MonthInfo& info, uint32_t minute);

// The header in black, at the top left of its box.
void DrawPageHeader(QPainter& p, const QRect& box, const QString& title);

// One line of the time grid: its text, right-aligned and centred on the line
// in textBox, and the line itself.
struct TTimeGridLine {
    QRect textBox;
    QString text;
    QLine line;
};
// The time grid, dashed.
void DrawTimeGrid(QPainter& p, const std::vector<TTimeGridLine>& lines);

// The value grid over the plot positions 0 to 300: a line every 10, dashed
// and numbered every 50, dotted otherwise.
struct TValueGrid {
    std::function<int32_t(int32_t)> x;                // device x of a plot position
    std::function<QRect(int32_t, int32_t)> numberBox; // of a position and its device x
    int32_t top = 0;
    int32_t bottom = 0;
    bool lines = true; // false: the numbers alone
};
void DrawValueGrid(QPainter& p, const TValueGrid& grid);

// The legend: per channel "<name>: <value> <unit>" in its print colour, in
// the box of its place k among them.
struct TLegend {
    std::function<QByteArray(int, const ChannelDef&)> value; // of a channel
    std::function<QRect(int)> box;                           // of place k
};
void DrawLegend(QPainter& p, const MonthDocument& document, const std::vector<int>& channels,
                const TTableColor& colours, const TLegend& legend);
