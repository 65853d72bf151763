#include "files/Cfilebase.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptions.h"
#include "files/Fexport.h"
#include "files/Fmonthfile.h"

#include <QFileInfo>

namespace {

// The earliest layout ends with the operator names and has no exception
// table: the names become the full table, an empty exception table follows.
// The header is written last, so an interrupted conversion is done again.
bool ConvertEarlyLayout(TFileAccess& f, QByteArray& h) {
    const int days = HeaderDaysStored(h);
    QByteArray names(OperatorTableSize, '\0');
    f.ReadInto(OperatorTableOffset(days), names, 0, HeaderOperatorCount(h) * OperatorNameSize);
    if (!f.WriteAll(OperatorTableOffset(days), names) ||
        !f.WriteAll(ExceptionTableOffset(days), QByteArray(ExceptionTableSize, '\0')))
        return false;
    SetHeaderExceptionCount(h, 0);
    return f.WriteAll(0, h);
}

// The second layout kept its exception entries right behind the operator
// names. They count as such only when an entry really lies there (its end
// slot is not 0) and none at the fixed place, so a current file whose first
// period ends at slot 0 keeps its table. True with the entries in moved.
bool FindMovedExceptions(TFileAccess& f, const QByteArray& h, QByteArray& moved) {
    const int days = HeaderDaysStored(h);
    const qint64 bytes = HeaderExceptionCount(h) * ExceptionEntrySize;
    QByteArray atFixed(ExceptionTableSize, '\0');
    f.ReadInto(ExceptionTableOffset(days), atFixed, 0, bytes);
    if (ReadExceptionPeriod(atFixed, 0).to != 0)
        return false;
    moved = QByteArray(ExceptionTableSize, '\0');
    f.ReadInto(OperatorTableOffset(days) + HeaderOperatorCount(h) * OperatorNameSize, moved, 0,
               bytes);
    return ReadExceptionPeriod(moved, 0).to != 0;
}

// Moves the entries of the second layout to the fixed place. The table is
// written before the operator table is tidied, so the entries survive an
// interruption.
bool ConvertMovedExceptions(TFileAccess& f, const QByteArray& h) {
    QByteArray moved;
    if (!FindMovedExceptions(f, h, moved))
        return true;
    const int days = HeaderDaysStored(h);
    QByteArray table(OperatorTableSize, '\0');
    f.ReadInto(OperatorTableOffset(days), table, 0, HeaderOperatorCount(h) * OperatorNameSize);
    return f.WriteAll(ExceptionTableOffset(days), moved) &&
           f.WriteAll(OperatorTableOffset(days), table);
}

} // namespace

int ReadTablesAsStored(TFileAccess& f, const QByteArray& h, QByteArray& operators,
                       QByteArray& exceptions) {
    const int days = HeaderDaysStored(h);
    operators = QByteArray(OperatorTableSize, '\0');
    exceptions = QByteArray(ExceptionTableSize, '\0');
    f.ReadInto(OperatorTableOffset(days), operators, 0, HeaderOperatorCount(h) * OperatorNameSize);
    if (HasEarlyLayoutMarker(h))
        return 0;
    QByteArray moved;
    if (HeaderExceptionCount(h) != 0 && FindMovedExceptions(f, h, moved))
        exceptions = moved;
    else
        f.ReadInto(ExceptionTableOffset(days), exceptions, 0,
                   HeaderExceptionCount(h) * ExceptionEntrySize);
    return HeaderExceptionCount(h);
}

TFileBase::TFileBase(MonthDocument* document, const TEnv& env) : document(document), FEnv(env) {}

int TFileBase::Validate(const QString& path, uint8_t& year, uint8_t& month) {
    const Check c = CheckFile(path);
    if (c.result == Valid) {
        year = c.year;
        month = c.month;
    }
    return c.result;
}

TFileBase::Check TFileBase::CheckFile(const QString& path, int lockWaitMs) {
    Check c;
    QByteArray h(HeaderSize, '\0');
    {
        TFileAccess f(path, TFileAccess::ReadShared, lockWaitMs);
        c.why = f.Why();
        if (!f.IsOpen())
            return c;
        const qint64 n = f.ReadInto(0, h, 0, HeaderSize);
        if (n < 0) {
            c.why = TFileAccess::OtherError;
            return c;
        }
        c.result = NotDataFile;
        c.shorterThanHeader = n < HeaderSize;
        if (c.shorterThanHeader)
            return c;
    }
    if (!HeaderFits(h))
        return c;
    const QString name = QFileInfo(path).fileName();
    if (name.compare(MonthFileName(HeaderYear(h), HeaderMonth(h)), Qt::CaseInsensitive) != 0) {
        c.result = NameMismatch;
        return c;
    }
    c.result = Valid;
    c.year = HeaderYear(h);
    c.month = HeaderMonth(h);
    c.daysStored = HeaderDaysStored(h);
    return c;
}

bool TFileBase::Open(const QString& path, uint8_t year, uint8_t month) {
    ForgetFile();
    const QFileInfo info(path);
    QByteArray h(HeaderSize, '\0');
    QByteArray operators(OperatorTableSize, '\0');
    QByteArray exceptions(ExceptionTableSize, '\0');
    {
        TFileAccess f(path, TFileAccess::ReadWrite, FEnv.lockWaitMs);
        // The header is checked again: the file may have changed since it was
        // validated, and nothing may be read beyond the document's buffers.
        if (!f.IsOpen() || f.ReadInto(0, h, 0, HeaderSize) != HeaderSize || !HeaderFits(h))
            return false;
        if (HasEarlyLayoutMarker(h)) {
            if (!ConvertEarlyLayout(f, h))
                return false;
        } else if (HeaderExceptionCount(h) != 0) {
            if (!ConvertMovedExceptions(f, h))
                return false;
        }
        const int days = HeaderDaysStored(h);
        // A file shorter than its header announces leaves zeros.
        f.ReadInto(OperatorTableOffset(days), operators, 0,
                   HeaderOperatorCount(h) * OperatorNameSize);
        f.ReadInto(ExceptionTableOffset(days), exceptions, 0,
                   HeaderExceptionCount(h) * ExceptionEntrySize);
    }
    document->fileName = info.fileName();
    document->directory = info.absolutePath() + "/";
    document->header = h;
    document->operators = operators;
    document->exceptions = exceptions;
    const SummerStateInfo summer = SummerState(TIniFile(FEnv.IniPath()), year, month);
    document->summerMode = summer.mode;
    document->summerSwitch = summer.switchMinute;
    opened = true;
    return true;
}

bool TFileBase::LoadDays() {
    const QString path = document->FilePath();
    if (!opened || path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    TFileAccess f(path, TFileAccess::ReadShared, FEnv.lockWaitMs);
    if (!f.IsOpen())
        return false;
    const int days = HeaderDaysStored(document->header);
    for (int b = 0; b < days; ++b) {
        QByteArray block(DayBlockSize, '\0');
        f.ReadInto(DayBlockOffset(b), block, 0, DayBlockSize);
        document->dayBlocks[b] = block;
    }
    daysLoaded = true;
    return true;
}

void TFileBase::FreeDays() {
    // The tables stay: they belong to the header image, which Open replaces.
    for (QByteArray& block : document->dayBlocks)
        block = QByteArray();
    daysLoaded = false;
}

bool TFileBase::ReloadExceptions() {
    if (!opened)
        return false;
    MonthDocument& d = *document;
    TFileAccess f(d.FilePath(), TFileAccess::ReadShared, FEnv.lockWaitMs);
    uint16_t count = 0;
    QByteArray table;
    if (!ReadExceptionTable(f, HeaderDaysStored(d.header), count, table))
        return false;
    // The whole table is compared: a period cleared and another set leave
    // the count as it was.
    if (count == HeaderExceptionCount(d.header) && table == d.exceptions)
        return false;
    SetHeaderExceptionCount(d.header, count);
    d.exceptions = table;
    return true;
}

QString TFileBase::MonthFilePath(uint8_t year, uint8_t month) const {
    return FEnv.FilePath(MonthFileName(year, month));
}

bool TFileBase::ApplyException(const QByteArray& text) {
    return opened && ::ApplyException(*document, text, *FEnv.messages, FEnv.lockWaitMs);
}

bool TFileBase::ExportCsv(const QString& path, const TCsvOptions& options) {
    return opened && ::ExportCsv(*document, path, *FEnv.messages, options);
}

bool TFileBase::Backup(const QString& source, const QString& target) {
    return BackupMonthFile(source, target, *FEnv.messages, freeSpace);
}

bool TFileBase::BackupTo(const QString& directory) {
    return opened && BackupToDirectory(document->FilePath(), directory, *FEnv.messages, freeSpace);
}

bool TFileBase::Import(const QString& source, const QString& target) {
    return ImportMonthFile(source, target, *FEnv.messages);
}

void TFileBase::ForgetFile() {
    FreeDays();
    opened = false;
    document->fileName.clear();
    document->directory.clear();
    document->header.fill('\0', HeaderSize);
    document->operators.fill('\0', OperatorTableSize);
    document->exceptions.fill('\0', ExceptionTableSize);
    document->summerMode = 1;
    document->summerSwitch = 0;
}
