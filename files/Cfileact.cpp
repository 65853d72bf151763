#include "files/Cfileact.h"

#include "comm/Ccommbase.h"
#include "config/Cconfig.h"
#include "config/Fcalendar.h"
#include "config/Fmemory.h"
#include "files/Cfileaccess.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

namespace {

// Records of day 1 or 2 of a month belong to the previous file's overflow.
constexpr int OverflowMinutes = FileOverflowDays * SlotsPerDay;

} // namespace

TFileAct::TFileAct(MonthDocument* document, const TEnv& env, const TConfig& config)
    : TFileBase(document, env), FConfig(config) {}

bool TFileAct::WriteRecord(const SampleRecord& record) {
    // A time its month does not have would land in another day's slots.
    const int days = DaysInMonth(record.year, record.month);
    if (days == 0 || record.minute >= days * SlotsPerDay)
        return false;
    if (!ChooseFile(record))
        return false;
    // Never beyond the day blocks into the tables.
    if (currentSlot >= HeaderDaysStored(document->header) * SlotsPerDay)
        return false;
    // A failed write leaves the document as the file is.
    const QByteArray header = document->header;
    const QByteArray operators = document->operators;
    if (StoreSlot(record))
        return true;
    document->header = header;
    document->operators = operators;
    return false;
}

bool TFileAct::ChooseFile(const SampleRecord& record) {
    const QByteArray& h = document->header;
    if (opened) {
        if (record.year == HeaderYear(h) && record.month == HeaderMonth(h)) {
            currentSlot = record.minute;
            return true;
        }
        uint8_t year = record.year;
        uint8_t month = record.month;
        AddMonths(year, month, -1);
        if (record.minute < HeaderOverflowDays(h) * SlotsPerDay && year == HeaderYear(h) &&
            month == HeaderMonth(h)) {
            const int ownDays = HeaderDaysStored(h) - HeaderOverflowDays(h);
            currentSlot = static_cast<uint16_t>(ownDays * SlotsPerDay + record.minute);
            return true;
        }
    }
    return SwitchFile(record);
}

bool TFileAct::SwitchFile(const SampleRecord& record) {
    uint8_t purgeYear = record.year;
    uint8_t purgeMonth = record.month;
    AddMonths(purgeYear, purgeMonth, -int(FConfig.retentionMonths));
    if (FileValid(purgeYear, purgeMonth))
        PurgeMonth(purgeYear, purgeMonth);

    uint8_t year = record.year;
    uint8_t month = record.month;
    uint32_t slot = record.minute;
    uint8_t previousYear = record.year;
    uint8_t previousMonth = record.month;
    AddMonths(previousYear, previousMonth, -1);
    if (record.minute < OverflowMinutes && FileValid(previousYear, previousMonth)) {
        year = previousYear;
        month = previousMonth;
        slot = DaysInMonth(year, month) * SlotsPerDay + record.minute;
    } else if (!FileValid(year, month) && !CreateMonthFile(year, month)) {
        // Keeping the old file would store the record in the wrong month.
        ForgetFile();
        return false;
    }
    FreeDays();
    if (!Open(MonthFilePath(year, month), year, month))
        return false; // Open has left the document without a file
    currentSlot = static_cast<uint16_t>(slot);
    return true;
}

bool TFileAct::StoreSlot(const SampleRecord& record) {
    MonthDocument& d = *document;
    QByteArray& h = d.header;
    SetHeaderEndSlot(h, static_cast<uint16_t>(currentSlot + 1));
    const QByteArray channels = ChannelDefsImage(FConfig.channels);
    if (HeaderChannelBytes(h) != channels)
        SetHeaderChannelBytes(h, channels);

    TFileAccess f(d.FilePath(), TFileAccess::ReadWrite);
    if (!f.IsOpen())
        return false;
    uint8_t operatorIndex = NoOperator;
    if (FConfig.operatorLoggedIn) {
        const int count = HeaderOperatorCount(h);
        int index = FindOperator(d.operators, count, FConfig.operatorName);
        // A full table takes no further name: the record keeps "no operator"
        // rather than overwriting the exception table behind it.
        if (index < 0 && count < MaxOperators) {
            PutText(d.operators, count * OperatorNameSize, OperatorNameSize, FConfig.operatorName);
            SetHeaderOperatorCount(h, static_cast<uint8_t>(count + 1));
            if (!f.WriteAll(OperatorTableOffset(HeaderDaysStored(h)), d.operators.constData(),
                            (count + 1) * OperatorNameSize))
                return false;
            index = count;
        }
        if (index >= 0)
            operatorIndex = static_cast<uint8_t>(index);
    }
    const QByteArray slot = BuildSlot(operatorIndex, record.values);
    if (!f.WriteAll(SlotOffset(currentSlot), slot) || !f.WriteAll(0, h))
        return false;
    lastSlot = slot;
    return true;
}

bool TFileAct::FileValid(uint8_t year, uint8_t month) const {
    uint8_t y = 0;
    uint8_t m = 0;
    return Validate(MonthFilePath(year, month), y, m) == Valid;
}

bool TFileAct::CreateMonthFile(uint8_t year, uint8_t month) {
    if (DaysInMonth(year, month) == 0)
        return false;
    TFileAccess f(MonthFilePath(year, month), TFileAccess::Create);
    if (!f.IsOpen())
        return false;
    QByteArray header = NewHeader(year, month, FConfig.location, FConfig.channels);
    if (WriteNewFile(f, header, year, month))
        return true;
    // A half-written file would pass for a month file with missing days.
    f.Remove();
    return false;
}

bool TFileAct::WriteNewFile(TFileAccess& f, QByteArray& header, uint8_t year, uint8_t month) {
    const int days = HeaderDaysStored(header);
    const QByteArray empty = EmptyDayBlock();
    for (int b = 0; b < days; ++b) {
        if (!f.WriteAll(DayBlockOffset(b), empty))
            return false;
    }
    if (!f.WriteAll(OperatorTableOffset(days), QByteArray(OperatorTableSize, '\0')) ||
        !f.WriteAll(ExceptionTableOffset(days), QByteArray(ExceptionTableSize, '\0')))
        return false;
    uint8_t previousYear = year;
    uint8_t previousMonth = month;
    AddMonths(previousYear, previousMonth, -1);
    if (FileValid(previousYear, previousMonth) &&
        !TakeOver(f, header, MonthFilePath(previousYear, previousMonth)))
        return false;
    // The header comes last: until it is complete the file is no data file.
    return f.WriteAll(0, header);
}

bool TFileAct::TakeOver(TFileAccess& f, QByteArray& header, const QString& previousPath) {
    TFileAccess previous(previousPath, TFileAccess::ReadShared);
    QByteArray ph(HeaderSize, '\0');
    if (!previous.IsOpen() || previous.ReadInto(0, ph, 0, HeaderSize) != HeaderSize ||
        !HeaderFits(ph))
        return true; // nothing that can be taken over
    const int previousDays = HeaderDaysStored(ph);
    const int previousOverflow = HeaderOverflowDays(ph);
    const int previousCount = HeaderOperatorCount(ph);
    QByteArray previousNames(OperatorTableSize, '\0');
    previous.ReadInto(OperatorTableOffset(previousDays), previousNames, 0,
                      previousCount * OperatorNameSize);
    // Never more days than the new month has.
    const int ownDays = HeaderDaysStored(header) - HeaderOverflowDays(header);
    const int blocks = qMin(previousOverflow, ownDays);

    QByteArray names(OperatorTableSize, '\0');
    std::array<int, 256> newIndex;
    newIndex.fill(-1);
    int numbered = 0;
    for (int j = 0; j < blocks; ++j) {
        QByteArray block = EmptyDayBlock();
        const qint64 n = previous.ReadInto(DayBlockOffset(previousDays - previousOverflow + j),
                                           block, 0, DayBlockSize);
        // What was not read, a slot read in part included, stays empty.
        const qint64 whole = n < 0 ? 0 : n / SlotSize;
        if (whole < SlotsPerDay)
            block.replace(whole * SlotSize, (SlotsPerDay - whole) * SlotSize,
                          EmptySlot().repeated(SlotsPerDay - whole));
        for (int s = 0; s < SlotsPerDay; ++s) {
            const uint8_t op = SlotOperator(block, s);
            if (op == NoOperator)
                continue;
            uint8_t mapped = NoOperator; // an index the old table does not hold
            if (op < previousCount) {
                if (newIndex[op] < 0) {
                    newIndex[op] = numbered;
                    names.replace(numbered * OperatorNameSize, OperatorNameSize,
                                  previousNames.mid(op * OperatorNameSize, OperatorNameSize));
                    ++numbered;
                }
                mapped = static_cast<uint8_t>(newIndex[op]);
            }
            PutU8(block, qint64(s) * SlotSize + 1, mapped);
        }
        if (!f.WriteAll(DayBlockOffset(j), block))
            return false;
    }
    if (numbered > 0) {
        if (!f.WriteAll(OperatorTableOffset(HeaderDaysStored(header)), names.constData(),
                        numbered * OperatorNameSize))
            return false;
        SetHeaderOperatorCount(header, static_cast<uint8_t>(numbered));
    }
    SetHeaderEndSlot(header, static_cast<uint16_t>(blocks * SlotsPerDay));
    return true;
}

bool TFileAct::PurgeMonth(uint8_t, uint8_t) {
    return true;
}

bool TFileAct::ReloadExceptions() {
    if (!opened)
        return false;
    MonthDocument& d = *document;
    TFileAccess f(d.FilePath(), TFileAccess::ReadWrite);
    QByteArray field(2, '\0');
    if (!f.IsOpen() || f.ReadInto(HdrExceptionCount, field, 0, 2) != 2)
        return false;
    const uint16_t count = GetU16(field, 0);
    // A count beyond the table would let readers run past it.
    if (count == HeaderExceptionCount(d.header) || count > MaxExceptions)
        return false;
    QByteArray table(ExceptionTableSize, '\0');
    f.ReadInto(ExceptionTableOffset(HeaderDaysStored(d.header)), table, 0, ExceptionTableSize);
    SetHeaderExceptionCount(d.header, count);
    d.exceptions = table;
    return true;
}
