#include "files/Cfileact.h"

#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Fcalendar.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"
#include "files/Csamplerecord.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"

namespace {

// Records of day 1 or 2 of a month belong to the previous file's overflow.
constexpr int OverflowMinutes = FileOverflowDays * SlotsPerDay;

} // namespace

TFileAct::TFileAct(MonthDocument* document, const TEnv& env, const TConfig& config)
    : TFileBase(document, env),
      storeWrite([](TFileAccess& f, qint64 offset, const QByteArray& bytes) {
          return f.WriteAll(offset, bytes);
      }),
      storeSync([](TFileAccess& f) { return f.SyncData(); }), FConfig(config) {}

bool TFileAct::WriteRecord(const SampleRecord& record) {
    failure = NoFailure;
    failedPath = MonthFilePath(record.year, record.month);
    // A time its month does not have would land in another day's slots.
    const int days = DaysInMonth(record.year, record.month);
    if (days == 0 || record.minute >= days * SlotsPerDay) {
        failure = NoSuchMinute;
        return false;
    }
    // A failed write leaves the document as the file is.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!ChooseFile(record)) {
            failure = Transient;
            return false;
        }
        failedPath = document->FilePath();
        // Never beyond the day blocks into the tables.
        if (currentSlot >= HeaderDaysStored(document->header) * SlotsPerDay) {
            failure = BeyondDayBlocks;
            return false;
        }
        const QByteArray header = document->header;
        const QByteArray operators = document->operators;
        const StoreResult result = StoreSlot(record);
        if (result == Stored)
            return true;
        document->header = header;
        document->operators = operators;
        if (result != FileGone)
            break;
        // The file was deleted under the running program: the next choice
        // switches files again and creates it anew.
        ForgetFile();
    }
    failure = Transient;
    return false;
}

bool TFileAct::ChooseFile(const SampleRecord& record) {
    const QByteArray& h = document->header;
    if (opened && !FOnlyShown) {
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

bool TFileAct::PlaceOf(const SampleRecord& record, uint8_t& year, uint8_t& month, uint32_t& slot,
                       bool& previous) {
    year = record.year;
    month = record.month;
    slot = record.minute;
    previous = false;
    if (record.minute >= OverflowMinutes)
        return true;
    uint8_t previousYear = record.year;
    uint8_t previousMonth = record.month;
    AddMonths(previousYear, previousMonth, -1);
    const Check c = CheckFile(MonthFilePath(previousYear, previousMonth), FEnv.lockWaitMs);
    // Busy is not missing: where the record belongs is decided once the
    // previous file can be read.
    if (c.why == TFileAccess::Busy)
        return false;
    const uint32_t overflowSlot =
        DaysInMonth(previousYear, previousMonth) * SlotsPerDay + record.minute;
    // A damaged previous file without overflow days leaves the record to
    // its own month's file.
    if (c.result == Valid && overflowSlot < uint32_t(c.daysStored) * SlotsPerDay) {
        year = previousYear;
        month = previousMonth;
        slot = overflowSlot;
        previous = true;
    }
    return true;
}

bool TFileAct::LoadStoredMonth(const SampleRecord& now) {
    uint8_t year = 0;
    uint8_t month = 0;
    uint32_t slot = 0;
    bool previous = false;
    if (!PlaceOf(now, year, month, slot, previous))
        return false;
    const QString path = MonthFilePath(year, month);
    if (!FileValid(year, month) || !Open(path, year, month) || !LoadDays())
        return false;
    FOnlyShown = true;
    return true;
}

bool TFileAct::SwitchFile(const SampleRecord& record) {
    uint8_t purgeYear = record.year;
    uint8_t purgeMonth = record.month;
    AddMonths(purgeYear, purgeMonth, -int(FConfig.retentionMonths));
    if (FileValid(purgeYear, purgeMonth))
        PurgeMonth(purgeYear, purgeMonth);

    uint8_t year = 0;
    uint8_t month = 0;
    uint32_t slot = 0;
    bool previous = false;
    if (!PlaceOf(record, year, month, slot, previous))
        return false;
    // Keeping the old file on a failure would store the record in the wrong
    // month; the next record chooses again.
    if (!previous && !OwnMonthFile(year, month))
        return false;
    FreeDays();
    FOnlyShown = false;
    if (!Open(MonthFilePath(year, month), year, month))
        return false; // Open has left the document without a file
    currentSlot = static_cast<uint16_t>(slot);
    return true;
}

bool TFileAct::OwnMonthFile(uint8_t year, uint8_t month) {
    const Check c = CheckFile(MonthFilePath(year, month), FEnv.lockWaitMs);
    if (c.result == Valid)
        return true;
    if (c.shorterThanHeader)
        return ReplaceShortFile(year, month);
    if (c.why != TFileAccess::Missing)
        return false; // busy, or the name is taken by something else
    // Another writer may create it first; then that file is used.
    return CreateMonthFile(year, month) || FileValid(year, month);
}

bool TFileAct::ReplaceShortFile(uint8_t year, uint8_t month) {
    {
        // Held alone while it is replaced; one that somebody holds is busy.
        TFileAccess old(MonthFilePath(year, month), TFileAccess::ReadWrite, FEnv.lockWaitMs);
        if (!old.IsOpen())
            return false;
        if (old.Size() >= 0 && old.Size() < HeaderSize)
            return WriteMonthFile(year, month, true);
    }
    return FileValid(year, month); // it was written meanwhile
}

TFileAct::StoreResult TFileAct::StoreSlot(const SampleRecord& record) {
    MonthDocument& d = *document;
    QByteArray& h = d.header;
    const QByteArray before = h;
    SetHeaderEndSlot(h, static_cast<uint16_t>(currentSlot + 1));
    const QByteArray channels = ChannelDefsImage(FConfig.channels);
    if (HeaderChannelBytes(h) != channels)
        SetHeaderChannelBytes(h, channels);

    TFileAccess f(d.FilePath(), TFileAccess::ReadWrite, FEnv.lockWaitMs);
    if (!f.IsOpen())
        return f.Why() == TFileAccess::Missing ? FileGone : NotStored;
    // Periods set elsewhere are taken over, never written back from here.
    uint16_t exceptionCount = 0;
    QByteArray exceptions;
    if (ReadExceptionTable(f, HeaderDaysStored(h), exceptionCount, exceptions)) {
        SetHeaderExceptionCount(h, exceptionCount);
        d.exceptions = exceptions;
    }
    uint8_t operatorIndex = NoOperator;
    if (!StoreOperator(f, operatorIndex))
        return NotStored;
    // The operator table and the header go before the slot that refers to
    // them: after a crash in between, a slot never names an operator the
    // file does not count (the next one would take over the minute).
    const QByteArray slot = BuildSlot(operatorIndex, record.values);
    if (!WriteHeader(f, h))
        return NotStored;
    // On the disk before the record may leave the unit.
    if (!storeWrite(f, SlotOffset(currentSlot), slot) || (storeSync && !storeSync(f))) {
        WriteHeader(f, before); // a store that failed leaves the header as it was
        return NotStored;
    }
    lastSlot = slot;
    return Stored;
}

bool TFileAct::WriteHeader(TFileAccess& f, const QByteArray& header) {
    // Around the exception count, which belongs to the exception commands.
    return storeWrite(f, 0, header.left(HdrExceptionCount)) &&
           storeWrite(f, HdrYear, header.mid(HdrYear));
}

bool TFileAct::StoreOperator(TFileAccess& f, uint8_t& operatorIndex) {
    operatorIndex = NoOperator;
    if (!FConfig.operatorLoggedIn)
        return true;
    MonthDocument& d = *document;
    QByteArray& h = d.header;
    const int count = HeaderOperatorCount(h);
    int index = FindOperator(d.operators, count, FConfig.operatorName);
    // A full table takes no further name: the record keeps "no operator"
    // rather than overwriting the exception table behind it.
    if (index < 0 && count < MaxOperators) {
        PutText(d.operators, count * OperatorNameSize, OperatorNameSize, FConfig.operatorName);
        SetHeaderOperatorCount(h, static_cast<uint8_t>(count + 1));
        if (!storeWrite(f, OperatorTableOffset(HeaderDaysStored(h)),
                        d.operators.left((count + 1) * OperatorNameSize)))
            return false;
        index = count;
    }
    if (index >= 0)
        operatorIndex = static_cast<uint8_t>(index);
    return true;
}

bool TFileAct::FileValid(uint8_t year, uint8_t month) const {
    return CheckFile(MonthFilePath(year, month), FEnv.lockWaitMs).result == Valid;
}

bool TFileAct::CreateMonthFile(uint8_t year, uint8_t month) {
    return WriteMonthFile(year, month, false);
}

bool TFileAct::WriteMonthFile(uint8_t year, uint8_t month, bool over) {
    if (DaysInMonth(year, month) == 0)
        return false;
    TFileAccess f(MonthFilePath(year, month), TFileAccess::CreateNew, FEnv.lockWaitMs);
    if (!f.IsOpen())
        return false;
    QByteArray header = NewHeader(year, month, FConfig.location, FConfig.channels);
    if (!WriteNewFile(f, header, year, month))
        return false;
    return (over ? f.PlaceOver() : f.PlaceNew()) == TFileAccess::Placed;
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
    const QString previousPath = MonthFilePath(previousYear, previousMonth);
    const Check previous = CheckFile(previousPath, FEnv.lockWaitMs);
    // A busy previous file is taken over later rather than never.
    if (previous.why == TFileAccess::Busy)
        return false;
    if (previous.result == Valid && !TakeOver(f, header, previousPath))
        return false;
    return f.WriteAll(0, header);
}

bool TFileAct::TakeOver(TFileAccess& f, QByteArray& header, const QString& previousPath) {
    TFileAccess previous(previousPath, TFileAccess::ReadShared, FEnv.lockWaitMs);
    if (!previous.IsOpen())
        return false;
    QByteArray ph(HeaderSize, '\0');
    if (previous.ReadInto(0, ph, 0, HeaderSize) != HeaderSize || !HeaderFits(ph))
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
