#include "files/Fexceptions.h"

#include "config/Cmessages.h"
#include "config/Fmemory.h"
#include "files/Cfileaccess.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

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
// because another window may have changed the rest.
bool WriteExceptionTable(const MonthDocument& d, const QByteArray& oldTable) {
    TFileAccess f(d.FilePath(), TFileAccess::ReadWrite);
    if (!f.IsOpen())
        return false;
    const qint64 at = ExceptionTableOffset(HeaderDaysStored(d.header));
    if (!f.WriteAll(at, d.exceptions))
        return false;
    QByteArray count(2, '\0');
    PutU16(count, 0, HeaderExceptionCount(d.header));
    if (f.WriteAll(HdrExceptionCount, count))
        return true;
    f.WriteAll(at, oldTable);
    return false;
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
    return true;
}

uint16_t WindowChannelMask(const MonthDocument& document) {
    uint16_t mask = 0;
    for (int i = 0; i < MonthDisplay::ChannelCount; ++i)
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

bool ApplyException(MonthDocument& document, const QByteArray& text, TMessages& messages) {
    MonthDocument& d = document;
    const uint16_t from = d.display.markStart;
    const uint16_t to = d.display.markEnd;
    const uint16_t mask = WindowChannelMask(d);
    const int count = HeaderExceptionCount(d.header);
    const QByteArray oldTable = d.exceptions;

    if (text != ClearExceptText) {
        for (int i = 0; i < count; ++i) {
            if (Overlaps(ReadExceptionPeriod(d.exceptions, i), from, to, mask)) {
                messages.Show(TMessages::Error, ExceptionOverlapText);
                return false;
            }
        }
        if (count >= MaxExceptions) {
            messages.Show(TMessages::Error, ExceptionTableFullText);
            return false;
        }
        ExceptionPeriod p;
        p.from = from;
        p.to = to;
        p.channelMask = mask;
        const QByteArray code = ExceptionCode(text);
        for (int i = 0; i < 4; ++i)
            p.code[i] = code[i];
        WriteExceptionPeriod(d.exceptions, count, p);
        SetHeaderExceptionCount(d.header, uint16_t(count + 1));
    } else {
        int found = -1;
        for (int i = 0; i < count && found < 0; ++i) {
            const ExceptionPeriod p = ReadExceptionPeriod(d.exceptions, i);
            if (p.from == from && p.to == to && p.channelMask == mask)
                found = i;
        }
        if (found < 0) {
            messages.Show(TMessages::Error, ExceptionMismatchText);
            return false;
        }
        for (int i = found; i + 1 < count; ++i)
            WriteExceptionPeriod(d.exceptions, i, ReadExceptionPeriod(d.exceptions, i + 1));
        WriteExceptionPeriod(d.exceptions, count - 1, ExceptionPeriod{});
        SetHeaderExceptionCount(d.header, uint16_t(count - 1));
    }

    if (!WriteExceptionTable(d, oldTable)) {
        // The window must show what the file holds.
        d.exceptions = oldTable;
        SetHeaderExceptionCount(d.header, uint16_t(count));
        messages.Show(TMessages::Error, CannotWriteText(d.FilePath()));
        return false;
    }
    return true;
}

QString CannotWriteText(const QString& path) {
    return QStringLiteral("Error - File %1 cannot be written!").arg(path);
}
