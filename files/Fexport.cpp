#include "files/Fexport.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "files/Cbackgroundwriter.h"
#include "files/Ccsvwriter.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptions.h"
#include "files/Fexceptionstate.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Lines are collected and written in pieces of about this size.
constexpr qsizetype WriteChunk = 256 * 1024;

struct ShownChannel {
    int index;
    ChannelDef def;
};

char* PutTwo(char* out, unsigned v) {
    *out++ = char('0' + v / 10 % 10);
    *out++ = char('0' + v % 10);
    return out;
}

// A channel's value of a minute, with what stands behind it.
TCsvCell CellOf(const TChannelMinute& m) {
    TCsvCell cell;
    cell.value = m.value;
    if (!m.stored)
        cell.flags |= CsvNoData;
    if (m.exception == ExceptionOrdinary)
        cell.flags |= CsvException;
    if (m.limit == TLimitVerdict::UnderLimit)
        cell.flags |= CsvBelowLimits;
    if (m.limit == TLimitVerdict::OverLimit)
        cell.flags |= CsvAboveLimits;
    return cell;
}

// The lines of the slots first .. last, written in pieces of about
// WriteChunk bytes while the next ones are formatted. False when a piece
// could not be written or a day could not be read (the reader tells which).
bool WriteLines(QSaveFile& out, TCsvWriter& csv, const MonthDocument& d, TMonthReader& minutes,
                const std::vector<ShownChannel>& shown, uint32_t first, uint32_t last) {
    std::vector<TCsvCell> cells(shown.size());
    char time[16]; // "YYYY-MM-DD HH:MM"
    TBackgroundWriter writer(out);
    QByteArray spare;
    for (uint32_t s = first; s <= last && first <= last; ++s) {
        if (s == first || s % SlotsPerDay == 0) {
            // A day the file does not hold whole is no day of zeros.
            if (!minutes.Readable(s))
                return false;
            std::memcpy(time, ExportTimeText(d, s).constData(), 11);
        }
        const int minute = int(s % SlotsPerDay);
        char* t = PutTwo(time + 11, unsigned(minute / 60));
        *t++ = ':';
        PutTwo(t, unsigned(minute % 60));
        for (size_t i = 0; i < shown.size(); ++i)
            cells[i] = CellOf(minutes.At(shown[i].index, s));
        csv.Minute(time, cells.data());
        if (csv.Size() >= WriteChunk) {
            QByteArray piece = csv.Take(std::move(spare));
            if (!writer.Hand(piece))
                return false;
            spare = std::move(piece);
        }
    }
    QByteArray piece = csv.Take();
    writer.Hand(piece);
    return writer.Finish();
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

bool ExportCsv(const MonthDocument& document, const QString& path, TMessages& messages,
               const TCsvOptions& options) {
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
        messages.Show(TMessages::Error, ExportCreateFailedText());
        return false;
    }
    // The day blocks are read afresh from the file, one at a time.
    TFileDays days(d.FilePath(), TFileAccess::LockWaitMs);
    if (!days.IsOpen()) {
        // A file of zeros must not pass for the data.
        out.cancelWriting();
        messages.Show(TMessages::Error, DaysFailureMessage(days.Failure()));
        return false;
    }
    TMonthReader minutes(d, days);
    std::vector<ChannelDef> columns;
    for (const ShownChannel& c : shown)
        columns.push_back(c.def);
    TCsvWriter csv(options, std::move(columns));
    csv.Begin();
    const bool ok = WriteLines(out, csv, d, minutes, shown, first, last);
    if (!ok)
        out.cancelWriting();
    if (minutes.Failure() != TDaysFailure::None) {
        messages.Show(TMessages::Error, DaysFailureMessage(minutes.Failure()));
        return false;
    }
    // No half export may pass for a complete one, nor replace an old file.
    if (!ok || !CommitWhole(out)) {
        messages.Show(TMessages::Error, CannotWriteText(path));
        return false;
    }
    messages.Show(TMessages::Information, ExportDoneText());
    return true;
}

QString ExportCreateFailedText() {
    return QCoreApplication::translate("Fexport",
                                       "Die Datei EXPORT.CSV konnte nicht erzeugt werden!");
}

QString ExportDoneText() {
    return QCoreApplication::translate(
        "Fexport", "Der selektierte Datenbereich wurde erfolgreich exportiert!");
}
