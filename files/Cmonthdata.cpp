#include "files/Cmonthdata.h"

#include "config/Cclock.h"
#include "files/Cfilebase.h"
#include "files/Cfiledata.h"

#include <QFileInfo>

#include <algorithm>

TFileDays::TFileDays(const QString& path, int lockWaitMs, uint64_t& reads)
    : FFile(path, TFileAccess::ReadShared, lockWaitMs), FReads(reads) {
    if (!FFile.IsOpen())
        FFailure = TDaysFailure::CannotOpen;
}

// Not delegating: the counter of its own must be there before it is bound.
TFileDays::TFileDays(const QString& path, int lockWaitMs)
    : FFile(path, TFileAccess::ReadShared, lockWaitMs), FReads(FOwnReads) {
    if (!FFile.IsOpen())
        FFailure = TDaysFailure::CannotOpen;
}

bool TFileDays::Holds(int last) const {
    return FFile.IsOpen() && last >= 0 && last < MaxDayBlocks &&
           FFile.Size() >= DayBlockOffset(last + 1);
}

const QByteArray* TFileDays::Block(int b) {
    if (b < 0 || b >= MaxDayBlocks || !FFile.IsOpen())
        return nullptr;
    if (b == FCurrent)
        return &FBuffer;
    // The buffer is allocated once, zero-filled.
    if (FBuffer.size() != DayBlockSize)
        FBuffer = QByteArray(DayBlockSize, '\0');
    FCurrent = -1;
    ++FReads;
    if (FFile.ReadAt(DayBlockOffset(b), FBuffer.data(), DayBlockSize) != DayBlockSize) {
        FFailure = TDaysFailure::Damaged;
        return nullptr;
    }
    FCurrent = b;
    return &FBuffer;
}

const QByteArray* TMemoryDays::Block(int b) {
    if (b < 0 || b >= MaxDayBlocks || FDocument.dayBlocks[b].size() < DayBlockSize)
        return nullptr;
    return &FDocument.dayBlocks[b];
}

TMinuteKind TChannelMinute::Kind() const {
    if (!stored)
        return TMinuteKind::NoData;
    if (exception == ExceptionOrdinary)
        return TMinuteKind::Excepted;
    switch (limit) {
    case TLimitVerdict::UnderLimit:
        return TMinuteKind::UnderLimit;
    case TLimitVerdict::OverLimit:
        return TMinuteKind::OverLimit;
    default:
        return TMinuteKind::InRange;
    }
}

TChannelMinute ChannelMinuteIn(const QByteArray& block, int minute, int channel,
                               const ChannelDef& c, int exception) {
    TChannelMinute m;
    m.stored = SlotState(block, minute) == SlotStored;
    m.exception = exception;
    m.raw = SlotValue(block, minute, channel);
    m.value = ScaledValue(c, m.raw);
    m.limit = LimitVerdict(c, m.value);
    return m;
}

TMonthReader::TMonthReader(const MonthDocument& document, TDaySource& days)
    : FDocument(document), FDays(days), FExceptions(document) {
    for (int ch = 0; ch < ChannelCount; ++ch)
        FChannels[ch] = HeaderChannel(document.header, ch);
    const int blocks = std::min<int>(HeaderDaysStored(document.header), MaxDayBlocks);
    FSlotCount = uint32_t(blocks) * SlotsPerDay;
}

void TMonthReader::Enter(int block) {
    FBlock = block;
    FData = nullptr;
    // Only the blocks the header announces belong to the month.
    if (uint32_t(block) * SlotsPerDay >= FSlotCount)
        return;
    // A block that cannot be had is not asked for again by this reader.
    if (const QByteArray* b = FDays.Block(block))
        FData = reinterpret_cast<const unsigned char*>(b->constData());
}

bool TMonthReader::Stored(uint32_t slot) {
    const unsigned char* at = SlotBytes(slot);
    return at && at[0] == SlotStored;
}

uint8_t TMonthReader::Operator(uint32_t slot) {
    const unsigned char* at = SlotBytes(slot);
    return at ? at[1] : NoOperator;
}

uint16_t TMonthReader::Raw(uint32_t slot, int channel) {
    const unsigned char* at = SlotBytes(slot);
    if (!at)
        return 0;
    const int field = 2 + 2 * channel;
    return uint16_t(at[field] | (at[field + 1] << 8));
}

int TMonthReader::EnterStretch(int channel, uint32_t slot) {
    Stretch& s = FStretches[channel];
    s.from = slot;
    s.state = FExceptions.StateUntil(channel, slot, s.until);
    return s.state;
}

QString DaysFailureMessage(TDaysFailure failure) {
    return ValidateMessage(failure == TDaysFailure::Damaged ? TFileBase::NotDataFile
                                                            : TFileBase::CannotOpen);
}

TMonthFileReader::TMonthFileReader(const QString& path, int lockWaitMs) {
    const TFileBase::Check check = TFileBase::CheckFile(path, lockWaitMs);
    FResult = check.result;
    FWhy = check.why;
    if (FResult == TFileBase::Valid) {
        TFileAccess f(path, TFileAccess::ReadShared, lockWaitMs);
        FWhy = f.Why();
        MonthDocument& d = FDocument;
        if (f.IsOpen() && f.ReadInto(0, d.header, 0, HeaderSize) == HeaderSize &&
            HeaderFits(d.header)) {
            // Earlier layouts are read as they lie; converting is the
            // program's job, under the file's lock.
            ReadTablesAsStored(f, d.header, d.operators, d.exceptions);
            FOpen = true;
        } else {
            FResult = f.IsOpen() ? TFileBase::NotDataFile : TFileBase::CannotOpen;
            d.header.fill('\0', HeaderSize);
        }
    }
    if (FOpen) {
        const QFileInfo info(path);
        FDocument.fileName = info.fileName();
        FDocument.directory = info.absolutePath() + "/";
    }
    FDays.emplace(FOpen ? path : QString(), lockWaitMs);
    FReader.emplace(FDocument, *FDays);
}

std::optional<uint16_t> SlotOfTime(const MonthInfo& info, const LocalTime& t) {
    int block = -1;
    if (t.year == YearBase + info.year && t.month == info.month) {
        if (t.day <= DaysInMonth(info.year, info.month))
            block = t.day - 1;
    } else {
        uint8_t nextYear = info.year;
        uint8_t nextMonth = info.month;
        AddMonths(nextYear, nextMonth, 1);
        if (t.year == YearBase + nextYear && t.month == nextMonth)
            block = DaysInMonth(info.year, info.month) + t.day - 1;
    }
    if (block < 0 || block >= info.daysStored || t.day < 1 || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59)
        return std::nullopt;
    return uint16_t(block * MinutesPerDay + t.hour * 60 + t.minute);
}
