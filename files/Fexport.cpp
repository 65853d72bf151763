#include "files/Fexport.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"
#include "view/Fexception.h"

#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Lines are collected and written in pieces of about this size.
constexpr qsizetype WriteChunk = 64 * 1024;

struct ShownChannel {
    int index;
    ChannelDef def;
};

void AppendValue(QByteArray& line, const ShownChannel& c, int exception, uint16_t raw) {
    if (exception == ExceptionOrdinary) {
        line += '0';
        return;
    }
    const uint32_t v = ScaledValue(c.def, raw);
    if (v < c.def.minValue || v > c.def.maxValue)
        line += '0';
    else
        line += FormatFixed(v, c.def.decimals, true);
}

} // namespace

QByteArray ExportTimeText(const MonthDocument& document, uint32_t slot) {
    const MonthInfo info = document.Info();
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned(SlotYear(info, slot)),
                  unsigned(SlotMonth(info, slot)), unsigned(SlotDay(info, slot)),
                  unsigned(SlotHour(slot)), unsigned(slot % 60));
    return QByteArray(text);
}

bool ExportCsv(const MonthDocument& document, const QString& path, TMessages& messages) {
    const MonthDocument& d = document;
    const MonthDisplay& display = d.display;
    std::vector<ShownChannel> shown;
    for (int i = 0; i < MonthDisplay::ChannelCount; ++i)
        if (display.channelVisible[i] != 0)
            shown.push_back({i, HeaderChannel(d.header, i)});
    if (!display.BothMarks() || shown.empty())
        return false;
    // Slots beyond the file's day blocks hold nothing to export.
    const uint32_t lastSlot = uint32_t(HeaderDaysStored(d.header)) * SlotsPerDay;
    const uint32_t first = display.markStart;
    const uint32_t last = std::min<uint32_t>(display.markEnd, lastSlot == 0 ? 0 : lastSlot - 1);

    const QString refusal = RefusedOutputTarget(path, d.FilePath());
    if (!refusal.isEmpty()) {
        messages.Show(TMessages::Error, refusal);
        return false;
    }
    // The CSV file takes the place of an existing one only when complete.
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        messages.Show(TMessages::Error, ExportCreateFailedText);
        return false;
    }
    TFileAccess in(d.FilePath(), TFileAccess::ReadShared);
    if (!in.IsOpen()) {
        // A file of zeros must not pass for the data.
        out.cancelWriting();
        messages.Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
        return false;
    }
    const TExceptionIndex exceptions(d);

    bool ok = true;
    QByteArray pending;
    pending.reserve(WriteChunk + 1024);
    auto flush = [&] {
        if (ok && !pending.isEmpty())
            ok = out.write(pending) == pending.size();
        pending.clear();
    };

    pending += "Datum/Uhrzeit";
    for (const ShownChannel& c : shown)
        pending += ';' + c.def.name + " (" + c.def.dimension + ')';
    pending += "\r\n";

    QByteArray block;
    for (uint32_t s = first; s <= last && ok && first <= last; ++s) {
        if (s == first || s % SlotsPerDay == 0) {
            block = QByteArray(DayBlockSize, '\0');
            in.ReadInto(DayBlockOffset(int(s / SlotsPerDay)), block, 0, DayBlockSize);
        }
        const int minute = int(s % SlotsPerDay);
        pending += ExportTimeText(d, s);
        for (const ShownChannel& c : shown) {
            pending += ';';
            AppendValue(pending, c, exceptions.StateAt(c.index, s),
                        SlotValue(block, minute, c.index));
        }
        pending += "\r\n";
        if (pending.size() >= WriteChunk)
            flush();
    }
    flush();
    in.Close();
    if (!ok)
        out.cancelWriting();
    // No half export may pass for a complete one, nor replace an old file.
    if (!ok || !CommitWhole(out)) {
        messages.Show(TMessages::Error, CannotWriteText(path));
        return false;
    }
    messages.Show(TMessages::Information, ExportDoneText);
    return true;
}
