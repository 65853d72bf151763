#include "print/Falarmlist.h"

#include "config/Falarmlimits.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "print/Fpagesections.h"
#include "view/Falarmmarks.h"

#include <QCoreApplication>
#include <QPainter>

std::vector<AlarmLogEntry> ReportAlarms(const MonthDocument& d,
                                        const std::vector<AlarmLogEntry>& log, uint32_t first,
                                        uint32_t end) {
    std::vector<AlarmLogEntry> out;
    for (const AlarmLogEntry& a : FoldAlarmLog(log)) {
        const int slot = a.file == d.fileName ? SlotOfAlarmTime(d, a.raised) : -1;
        if (slot >= 0 && uint32_t(slot) >= first && uint32_t(slot) < end)
            out.push_back(a);
    }
    return out;
}

std::array<QString, AlarmListColumns> AlarmListCells(const AlarmLogEntry& a) {
    const auto value = [&a](int64_t v) { return QString::fromLatin1(FormatAlarmValue(v)) + ' ' + a.unit; };
    return {a.raised, QString("%1 %2").arg(a.channel).arg(a.name), AlarmKindText(a.kind),
            value(a.limit), value(a.peak), a.by};
}

namespace {

void DrawLine(QPainter& p, const AlarmListBox& box, int32_t y,
              const std::array<QString, AlarmListColumns>& cells) {
    for (int k = 0; k < AlarmListColumns; ++k)
        p.drawText(QRect(box.columnX[size_t(k)], y, 1, box.lineHeight),
                   Qt::AlignLeft | Qt::AlignTop | SingleLineText, cells[size_t(k)]);
}

} // namespace

int DrawAlarmList(QPainter& p, const AlarmListBox& box, const std::vector<AlarmLogEntry>& alarms) {
    const int lines = (box.bottom - box.top) / std::max(box.lineHeight, 1);
    if (alarms.empty() || lines < 2)
        return 0;
    const int total = int(alarms.size());
    // The heads take a line, the note of what is left out another.
    const int listed = total + 1 <= lines ? total : lines - 2;
    p.save();
    p.setPen(Qt::black);
    DrawLine(p, box, box.top,
             {QCoreApplication::translate("Falarmlist", "Raised"),
              QCoreApplication::translate("Falarmlist", "Channel"),
              QCoreApplication::translate("Falarmlist", "Kind"),
              QCoreApplication::translate("Falarmlist", "Limit"),
              QCoreApplication::translate("Falarmlist", "Peak"),
              QCoreApplication::translate("Falarmlist", "Acknowledged by")});
    int32_t y = box.top + box.lineHeight;
    for (int i = 0; i < listed; ++i, y += box.lineHeight)
        DrawLine(p, box, y, AlarmListCells(alarms[size_t(i)]));
    if (listed < total)
        p.drawText(QRect(box.columnX[0], y, 1, box.lineHeight),
                   Qt::AlignLeft | Qt::AlignTop | SingleLineText,
                   QCoreApplication::translate("Falarmlist", "%1 more alarms are in the alarm log")
                       .arg(total - listed));
    p.restore();
    return listed;
}
