#include "print/Fpagesections.h"

#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QPainter>

QString DateText(const MonthInfo& info, uint32_t minute) {
    return QString::asprintf("%4u.%.2u.%.2u", unsigned(SlotYear(info, minute)),
                             unsigned(SlotMonth(info, minute)), unsigned(SlotDay(info, minute)));
}

QString PageTitle(const QString& location, const MonthInfo& info, uint32_t minute) {
    return QCoreApplication::translate("Fpagesections", "ZEDA-/-%1: %2")
        .arg(location, DateText(info, minute));
}

void DrawPageHeader(QPainter& p, const QRect& box, const QString& title) {
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | SingleLineText, title);
}

void DrawTimeGrid(QPainter& p, const std::vector<TTimeGridLine>& lines) {
    p.setPen(DashedPen);
    for (const TTimeGridLine& line : lines) {
        p.drawText(line.textBox, Qt::AlignRight | Qt::AlignVCenter | SingleLineText, line.text);
        p.drawLine(line.line);
    }
}

void DrawValueGrid(QPainter& p, const TValueGrid& grid) {
    for (int32_t position = 0; position <= 300; position += 10) {
        const int32_t x = grid.x(position);
        if (position % 50 == 0) {
            p.setPen(DashedPen);
            p.drawText(grid.numberBox(position, x),
                       Qt::AlignHCenter | Qt::AlignBottom | SingleLineText,
                       QString::number(position));
        } else {
            p.setPen(DottedPen);
        }
        if (grid.lines)
            p.drawLine(x, grid.top, x, grid.bottom);
    }
}

void DrawLegend(QPainter& p, const MonthDocument& document, const std::vector<int>& channels,
                const TTableColor& colours, const TLegend& legend) {
    for (int k = 0; k < int(channels.size()); ++k) {
        const ChannelDef c = HeaderChannel(document.header, channels[k]);
        const QByteArray text = c.name + ": " + legend.value(channels[k], c) + ' ' + c.dimension;
        p.setPen(ColourToQColor(colours.PrintColor(c.printColour)));
        p.drawText(legend.box(k), Qt::AlignLeft | Qt::AlignTop | SingleLineText, FromAnsi(text));
    }
}
