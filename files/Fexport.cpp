#include "files/Fexport.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
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
constexpr qsizetype WriteChunk = 64 * 1024;

struct ShownChannel {
    int index;
    ChannelDef def;
};

// The room of one value's text: a decimals byte of up to 255 gives a
// leading zero, a comma and 255 digits.
constexpr int MaxValueText = 2 + 255;

// The digits of a value, 1 to 10.
int DigitCount(uint32_t value) {
    int n = 1;
    for (uint64_t limit = 10; value >= limit; limit *= 10)
        ++n;
    return n;
}

// "00" to "99": two digits of a value at a time.
constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536"
    "37383940414243444546474849505152535455565758596061626364656667686970717273"
    "7475767778798081828384858687888990919293949596979899";

// A month is some 600 000 values: they are written straight into a line
// buffer, without a string per value (the same text as FormatFixed with a
// comma), right to left, each digit into its place, two at a time where
// the comma does not part them. Returns the end of the text.
char* PutFixed(char* out, uint32_t value, unsigned decimals) {
    if (value == 0)
        decimals = 0; // "0", without a comma
    const int fraction = int(decimals);
    // At least one digit before the comma: zeros fill up to it.
    const int digits = std::max(DigitCount(value), fraction == 0 ? 0 : fraction + 1);
    char* const end = out + digits + (fraction == 0 ? 0 : 1);
    char* p = end;
    for (int i = 0; i < digits;) {
        if (fraction != 0 && i == fraction)
            *--p = ',';
        if (i + 2 <= digits && i + 1 != fraction) {
            p -= 2;
            std::memcpy(p, &DigitPairs[2 * (value % 100)], 2);
            value /= 100;
            i += 2;
        } else {
            *--p = char('0' + value % 10);
            value /= 10;
            ++i;
        }
    }
    return end;
}

// The stored layout: a value hidden by an ordinary period and one beyond
// the limits are written as 0; a minute without a record is written as
// its stored (zero) raw value scaled, like the others.
char* PutValue(char* out, const ShownChannel& c, const TChannelMinute& m) {
    if (m.exception == ExceptionOrdinary || m.limit != TLimitVerdict::InRange) {
        *out++ = '0';
        return out;
    }
    return PutFixed(out, m.value, c.def.decimals);
}

char* PutTwo(char* out, unsigned v) {
    *out++ = char('0' + v / 10 % 10);
    *out++ = char('0' + v % 10);
    return out;
}

// The lines of the slots first .. last, collected in pieces of about
// WriteChunk bytes. False when a piece could not be written or a day
// could not be read (the reader tells which).
bool WriteLines(QSaveFile& out, const MonthDocument& d, TMonthReader& minutes,
                const std::vector<ShownChannel>& shown, uint32_t first, uint32_t last) {
    // A piece and one more line: "YYYY-MM-DD HH:MM", then per channel a
    // separator and a value, then CR LF.
    QByteArray buffer(WriteChunk + 32 + ChannelCount * (1 + MaxValueText), Qt::Uninitialized);
    char* const start = buffer.data();
    char* end = start;
    QByteArray day; // "YYYY-MM-DD " of the day block read
    for (uint32_t s = first; s <= last && first <= last; ++s) {
        if (s == first || s % SlotsPerDay == 0) {
            // A day the file does not hold whole is no day of zeros.
            if (!minutes.Readable(s))
                return false;
            day = ExportTimeText(d, s).left(11);
        }
        const int minute = int(s % SlotsPerDay);
        end = std::copy(day.cbegin(), day.cend(), end);
        end = PutTwo(end, unsigned(minute / 60));
        *end++ = ':';
        end = PutTwo(end, unsigned(minute % 60));
        for (const ShownChannel& c : shown) {
            *end++ = ';';
            end = PutValue(end, c, minutes.At(c.index, s));
        }
        *end++ = '\r';
        *end++ = '\n';
        if (end - start >= WriteChunk) {
            if (out.write(start, end - start) != end - start)
                return false;
            end = start;
        }
    }
    return out.write(start, end - start) == end - start;
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
    QByteArray header = "Datum/Uhrzeit";
    for (const ShownChannel& c : shown)
        header += ';' + c.def.name + " (" + c.def.dimension + ')';
    header += "\r\n";
    bool ok = out.write(header) == header.size();
    ok = ok && WriteLines(out, d, minutes, shown, first, last);
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
