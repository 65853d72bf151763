#include "files/Fexceptions.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool Overlaps(const ExceptionPeriod& p, uint16_t from, uint16_t to, uint16_t mask) {
    return p.from <= to && p.to >= from && (p.channelMask & mask) != 0;
}

// The table goes first and the count last, so a write that fails leaves
// the count on disk naming the old entries; the old table is put back when
// the count cannot be written. Only the count of the header is written,
// because the acquisition writes the rest.
bool WriteExceptionTable(TFileAccess& f, int daysStored, uint16_t count, const QByteArray& table,
                         const QByteArray& oldTable) {
    const qint64 at = ExceptionTableOffset(daysStored);
    if (!f.WriteAll(at, table))
        return false;
    QByteArray field(2, '\0');
    PutU16(field, 0, count);
    if (f.WriteAll(HdrExceptionCount, field))
        return true;
    f.WriteAll(at, oldTable);
    return false;
}

// The new table and count with a period added for from..to, or the refusal
// message.
QString AddPeriod(QByteArray& table, uint16_t& count, uint16_t from, uint16_t to, uint16_t mask,
                  const QByteArray& text) {
    for (int i = 0; i < count; ++i)
        if (Overlaps(ReadExceptionPeriod(table, i), from, to, mask))
            return ExceptionOverlapText();
    if (count >= MaxExceptions)
        return ExceptionTableFullText();
    ExceptionPeriod p;
    p.from = from;
    p.to = to;
    p.channelMask = mask;
    const QByteArray code = ExceptionCode(text);
    for (int i = 0; i < 4; ++i)
        p.code[i] = code[i];
    WriteExceptionPeriod(table, count, p);
    ++count;
    return QString();
}

// The new table and count without the period that matches exactly, or the
// refusal message.
QString RemovePeriod(QByteArray& table, uint16_t& count, uint16_t from, uint16_t to,
                     uint16_t mask) {
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(table, i);
        if (p.from == from && p.to == to && p.channelMask == mask)
            found = i;
    }
    if (found < 0)
        return ExceptionMismatchText();
    for (int i = found; i + 1 < count; ++i)
        WriteExceptionPeriod(table, i, ReadExceptionPeriod(table, i + 1));
    WriteExceptionPeriod(table, count - 1, ExceptionPeriod{});
    --count;
    return QString();
}

} // namespace

bool LoadExceptionMenu(const QString& path, std::vector<ExceptionMenuEntry>& entries) {
    entries.clear();
    QByteArray text(ExceptionListMaxBytes, '\0');
    qint64 size = 0;
    {
        TFileAccess f(path, TFileAccess::ReadShared);
        if (!f.IsOpen())
            return false;
        size = f.ReadInto(0, text, 0, ExceptionListMaxBytes);
    }
    if (size <= 0)
        return false;
    text.truncate(size);
    entries = ExceptionMenuOf(text);
    return true;
}

std::vector<ExceptionMenuEntry> ExceptionMenuOf(QByteArray text) {
    std::vector<ExceptionMenuEntry> entries;
    text.truncate(ExceptionListMaxBytes);
    // The list is text: a NUL byte ends it.
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    qsizetype pos = 0;
    for (int line = 1; line <= ExceptionListMaxLines; ++line) {
        if (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '\r' && text[pos] != '\n') {
            qsizetype end = pos;
            while (end < text.size() && end - pos < ExceptionTextMaxLength && text[end] != '\r' &&
                   text[end] != '\n')
                ++end;
            entries.push_back({text.mid(pos, end - pos), line});
        }
        const qsizetype lf = text.indexOf('\n', pos);
        if (lf < 0)
            break;
        pos = lf + 1;
    }
    return entries;
}

uint16_t WindowChannelMask(const MonthDocument& document) {
    uint16_t mask = 0;
    for (int i = 0; i < ChannelCount; ++i)
        if (HeaderChannel(document.header, i).active != 0 &&
            document.display.channelVisible[i] != 0)
            mask |= uint16_t(1u << i);
    return mask;
}

QByteArray ExceptionCode(const QByteArray& text) {
    if (text.size() < 4)
        return QByteArray(4, '\0');
    for (int i = 0; i < 4; ++i)
        if (IsBlank(text[i]) || text[i] == '\0')
            return QByteArray(4, '\0');
    return text.left(4);
}

bool ReadExceptionTable(TFileAccess& f, int daysStored, uint16_t& count, QByteArray& table) {
    QByteArray field(2, '\0');
    if (!f.IsOpen() || f.ReadInto(HdrExceptionCount, field, 0, 2) != 2)
        return false;
    count = GetU16(field, 0);
    // A count beyond the table would let readers run past it.
    if (count > MaxExceptions)
        return false;
    table = QByteArray(ExceptionTableSize, '\0');
    return f.ReadInto(ExceptionTableOffset(daysStored), table, 0, count * ExceptionEntrySize) >= 0;
}

bool ApplyException(MonthDocument& document, const QByteArray& text, TMessages& messages,
                    int lockWaitMs) {
    MonthDocument& d = document;
    const uint16_t from = d.display.markStart;
    const uint16_t to = d.display.markEnd;
    const uint16_t mask = WindowChannelMask(d);
    const int days = HeaderDaysStored(d.header);

    TFileAccess f(d.FilePath(), TFileAccess::ReadWrite, lockWaitMs);
    uint16_t count = 0;
    QByteArray oldTable;
    if (!ReadExceptionTable(f, days, count, oldTable)) {
        messages.Show(TMessages::Error, CannotWriteText(d.FilePath()));
        return false;
    }
    // The window shows what the file holds, whatever comes of the change.
    SetHeaderExceptionCount(d.header, count);
    d.exceptions = oldTable;

    QByteArray table = oldTable;
    const QString refusal = text == ClearExceptText ? RemovePeriod(table, count, from, to, mask)
                                                    : AddPeriod(table, count, from, to, mask, text);
    if (!refusal.isEmpty()) {
        messages.Show(TMessages::Error, refusal);
        return false;
    }
    if (!WriteExceptionTable(f, days, count, table, oldTable)) {
        messages.Show(TMessages::Error, CannotWriteText(d.FilePath()));
        return false;
    }
    SetHeaderExceptionCount(d.header, count);
    d.exceptions = table;
    return true;
}

QString ExceptionOverlapText() {
    return QCoreApplication::translate(
        "Fexceptions",
        "Die Ausnahmebeschreibung konnte nicht gesetzt werden, da es eine Überschneidung mit einer "
        "bestehenden Ausnahmebeschreibung gibt!");
}

QString ExceptionTableFullText() {
    return QCoreApplication::translate(
        "Fexceptions",
        "Es wurde bereits die maximal zulässige Anzahl von Ausnahmebeschreibungen, die pro "
        "Monatsdatei möglich sind, gesetzt!");
}

QString ExceptionMismatchText() {
    return QCoreApplication::translate(
        "Fexceptions",
        "Der markierte Datenbereich stimmt nicht mit einer bestehenden Ausnahmebeschreibung "
        "überein!");
}
