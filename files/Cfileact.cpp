#include "files/Cfileact.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"
#include "files/Csamplerecord.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

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
    reason = NoReason;
    FWhy = TFileAccess::NoFailure;
    failedPath = MonthFilePath(record.year, record.month);
    // A time its month does not have would land in another day's slots.
    const int days = DaysInMonth(record.year, record.month);
    if (days == 0 || record.minute >= days * SlotsPerDay) {
        failure = NoSuchMinute;
        return false;
    }
    // A failed write leaves the document as the file is. Each further
    // attempt follows a file that vanished or was moved aside.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!ChooseFile(record))
            break;
        failedPath = document->FilePath();
        // Never beyond the day blocks into the tables: a header that
        // announces fewer days than its month has is damaged.
        if (currentSlot >= HeaderDaysStored(document->header) * SlotsPerDay) {
            const QString why =
                QCoreApplication::translate("Cfileact", "its header announces only %1 days")
                    .arg(HeaderDaysStored(document->header));
            if (!MoveAside(failedPath, why))
                break;
            ForgetFile();
            continue;
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
    if (reason == NoReason)
        reason = ReasonOf(FWhy, failedPath);
    return false;
}

TFileAct::Reason TFileAct::ReasonOf(TFileAccess::Failure why, const QString& path) const {
    if (why == TFileAccess::Busy)
        return FileBusy;
    if (why == TFileAccess::NotRegular)
        return NotAFile;
    const QFileInfo info(path);
    if (info.exists() ? !info.isWritable() : !QFileInfo(info.absolutePath()).isWritable())
        return NoPermission;
    // A write that fails with less room than a month file needs is taken
    // for a full disk.
    const qint64 free = freeSpace ? freeSpace(info.absolutePath()) : -1;
    if (free >= 0 && free < FileSize(MaxDayBlocks))
        return NoSpace;
    return DiskError;
}

QString TFileAct::WriteFailureText() const {
    QString why;
    switch (reason) {
    case FileBusy:
        why = QCoreApplication::translate("Cfileact", "another program holds it");
        break;
    case NotAFile:
        why =
            QFileInfo(failedPath).isDir()
                ? QCoreApplication::translate("Cfileact", "a directory of that name is in the way")
                : QCoreApplication::translate("Cfileact", "it is not a regular file");
        break;
    case NoPermission:
        why = QCoreApplication::translate("Cfileact", "no permission to write it");
        break;
    case NoSpace:
        why = QCoreApplication::translate("Cfileact", "the disk is full");
        break;
    case NotMovedAside:
        why = QCoreApplication::translate("Cfileact",
                                          "it is no month file and cannot be moved aside");
        break;
    default:
        why = QCoreApplication::translate("Cfileact", "the disk reports an error");
        break;
    }
    return QCoreApplication::translate("Cfileact", "Error - File %1 cannot be written: %2!")
        .arg(failedPath, why);
}

bool TFileAct::MoveAside(const QString& path, const QString& why) {
    // Held alone while it goes, so that no reader sees half a change.
    TFileAccess held(path, TFileAccess::ReadWrite, FEnv.lockWaitMs);
    if (!held.IsOpen()) {
        FWhy = held.Why();
        return false;
    }
    TSystemClock systemClock;
    const LocalTime t = FEnv.clock ? FEnv.clock->Local() : systemClock.Local();
    const QString stem = path + QString::asprintf(".damaged-%04d%02d%02d-%02d%02d", t.year, t.month,
                                                  t.day, t.hour, t.minute);
    // Never over an earlier one of the same minute.
    QString aside = stem;
    for (int n = 2; n < 100; ++n) {
        if (::renameat2(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD,
                        QFile::encodeName(aside).constData(), RENAME_NOREPLACE) == 0) {
            if (FEnv.messages)
                FEnv.messages->Show(TMessages::Warning, MovedAsideText(path, aside, why));
            return true;
        }
        if (errno != EEXIST)
            break;
        aside = stem + "-" + QString::number(n);
    }
    reason = NotMovedAside;
    return false;
}

QString MovedAsideText(const QString& path, const QString& aside, const QString& why) {
    return QCoreApplication::translate("Cfileact",
                                       "The month file %1 cannot take the records: %2. It is "
                                       "kept as %3, and a new month file %1 takes the records.")
        .arg(path, why, aside);
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
    if (c.why == TFileAccess::Busy) {
        FWhy = c.why;
        failedPath = MonthFilePath(previousYear, previousMonth);
        return false;
    }
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
    const QString path = MonthFilePath(year, month);
    const Check c = CheckFile(path, FEnv.lockWaitMs);
    if (c.result == Valid)
        return true;
    if (c.shorterThanHeader)
        return ReplaceShortFile(year, month);
    if (c.result == NotDataFile || c.result == NameMismatch) {
        const QString why = c.result == NotDataFile
                                ? QCoreApplication::translate("Cfileact", "it is no month file")
                                : QCoreApplication::translate("Cfileact", "it holds another month");
        if (!MoveAside(path, why))
            return false;
    } else if (c.why != TFileAccess::Missing) {
        FWhy = c.why; // busy, a directory in the way, or unreadable
        return false;
    }
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
    FWhy = f.Why();
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
