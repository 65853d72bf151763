#include "files/Fexport.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptions.h"
#include "files/Fexceptionstate.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"

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

// A month is some 600 000 values: they are written straight into a line
// buffer, without a string per value (the same text as FormatFixed with a
// comma). Returns the end of the text.
char* PutFixed(char* out, uint32_t value, unsigned decimals) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (decimals != 0 && !(n == 1 && digits[0] == '0')) {
        while (n <= int(decimals))
            digits[n++] = '0';
    } else {
        decimals = 0;
    }
    for (int i = n - 1; i >= 0; --i) {
        *out++ = digits[i];
        if (i == int(decimals) && decimals != 0)
            *out++ = ',';
    }
    return out;
}

char* PutValue(char* out, const ShownChannel& c, int exception, uint16_t raw) {
    if (exception == ExceptionOrdinary) {
        *out++ = '0';
        return out;
    }
    const uint32_t v = ScaledValue(c.def, raw);
    if (v < c.def.minValue || v > c.def.maxValue) {
        *out++ = '0';
        return out;
    }
    return PutFixed(out, v, c.def.decimals);
}

char* PutTwo(char* out, unsigned v) {
    *out++ = char('0' + v / 10 % 10);
    *out++ = char('0' + v % 10);
    return out;
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
    for (int i = 0; i < ChannelCount; ++i)
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
        pending.resize(0); // keeps its room for the next piece
    };

    pending += "Datum/Uhrzeit";
    for (const ShownChannel& c : shown)
        pending += ';' + c.def.name + " (" + c.def.dimension + ')';
    pending += "\r\n";

    QByteArray block;
    QByteArray day; // "YYYY-MM-DD " of the day block read
    // Time, 14 values of at most 10 digits, a comma and a separator each.
    char line[32 + ChannelCount * 16];
    for (uint32_t s = first; s <= last && ok && first <= last; ++s) {
        if (s == first || s % SlotsPerDay == 0) {
            block = QByteArray(DayBlockSize, '\0');
            in.ReadInto(DayBlockOffset(int(s / SlotsPerDay)), block, 0, DayBlockSize);
            day = ExportTimeText(d, s).left(11);
        }
        const int minute = int(s % SlotsPerDay);
        char* out = line;
        out = PutTwo(out, unsigned(minute / 60));
        *out++ = ':';
        out = PutTwo(out, unsigned(minute % 60));
        for (const ShownChannel& c : shown) {
            *out++ = ';';
            out =
                PutValue(out, c, exceptions.StateAt(c.index, s), SlotValue(block, minute, c.index));
        }
        *out++ = '\r';
        *out++ = '\n';
        pending += day;
        pending.append(line, out - line);
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
