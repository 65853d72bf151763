#pragma once

#include "config/Cfileaccess.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptionstate.h"
#include "files/Fmonthfile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

struct LocalTime;

// The month-data core: every reader of a month file's minutes (diagram,
// print, export, statistics, publisher, alarms) asks it what a channel
// holds at a minute. The named constants it works with: YearBase and
// MinutesPerDay (config/Fcalendar.h), ChannelCount (config/Fchannel.h),
// SlotsPerDay, SlotSize and the slot layout (files/Fmonthfile.h).

// Why day blocks could not be had.
enum class TDaysFailure {
    None,
    CannotOpen, // missing, or still busy after the wait for its holder
    Damaged     // shorter than its header announces
};

// Where the day blocks of a month come from.
class TDaySource {
public:
    virtual ~TDaySource() = default;
    // Day block b (1440 slots), or null when it cannot be had.
    virtual const QByteArray* Block(int b) = 0;
    // Why the last block could not be had.
    virtual TDaysFailure Failure() const { return TDaysFailure::None; }
};

// The day blocks a document holds in memory; an absent block is null.
class TMemoryDays : public TDaySource {
public:
    explicit TMemoryDays(const MonthDocument& document) : FDocument(document) {}
    const QByteArray* Block(int b) override;

private:
    const MonthDocument& FDocument;
};

// Day blocks read from the month file on disk, one at a time, into one
// buffer of 43200 bytes. The file stays open (shared) as long as the
// object; a holder's lock is waited for. A block the file does not hold
// whole is damage, never a day of empty minutes.
class TFileDays : public TDaySource {
public:
    // Every block read is counted in reads.
    TFileDays(const QString& path, int lockWaitMs, uint64_t& reads);
    TFileDays(const QString& path, int lockWaitMs);
    bool IsOpen() const { return FFile.IsOpen(); }
    // True when the file holds the day blocks up to last whole.
    bool Holds(int last) const;
    const QByteArray* Block(int b) override;
    TDaysFailure Failure() const override { return FFailure; }

private:
    TFileAccess FFile;
    uint64_t FOwnReads = 0;
    uint64_t& FReads;
    QByteArray FBuffer;
    int FCurrent = -1;
    TDaysFailure FFailure = TDaysFailure::None;
};

// What a minute of a channel counts as, in the order in which the rules
// decide: no record; hidden by an ordinary exception period; beyond the
// measurable limits; a measured value.
enum class TMinuteKind { NoData, Excepted, UnderLimit, OverLimit, InRange };

// One channel at one minute.
struct TChannelMinute {
    bool stored = false;           // a record is there
    int exception = ExceptionNone; // TExceptionState
    uint16_t raw = 0;              // as stored (0 in an empty slot)
    uint32_t value = 0;            // ScaledValue of raw
    TLimitVerdict limit = TLimitVerdict::InRange;

    TMinuteKind Kind() const;
    // A measured value: stored, not hidden, within the limits.
    bool Counts() const { return Kind() == TMinuteKind::InRange; }
};

// A channel at minute `minute` of a day block, under exception state
// `exception`.
TChannelMinute ChannelMinuteIn(const QByteArray& block, int minute, int channel,
                               const ChannelDef& c, int exception = ExceptionNone);

// The minutes of one month: the channel definitions and exception periods
// of a document's header image and tables, the slots of a day source. Walks
// in slot order are cheap: the day block and each channel's exception
// stretch are kept at hand.
class TMonthReader {
public:
    TMonthReader(const MonthDocument& document, TDaySource& days);

    const MonthDocument& Document() const { return FDocument; }
    const ChannelDef& Channel(int channel) const { return FChannels[channel]; }
    const ChannelDefs& Channels() const { return FChannels; }
    // Day blocks x 1440.
    uint32_t SlotCount() const { return FSlotCount; }

    // True when the slot's day block can be had.
    bool Readable(uint32_t slot) { return SlotBytes(slot) != nullptr; }
    // Why a day block could not be had.
    TDaysFailure Failure() const { return FDays.Failure(); }
    bool Stored(uint32_t slot);
    // The operator index of a slot (NoOperator when none or unreadable).
    uint8_t Operator(uint32_t slot);
    // The stored raw value, 0 where nothing can be read.
    uint16_t Raw(uint32_t slot, int channel);
    int Exception(int channel, uint32_t slot) {
        // A walk in slot order stays inside the stretch it found last.
        if (FExceptions.Empty() || channel < 0 || channel >= ChannelCount)
            return ExceptionNone;
        const Stretch& s = FStretches[channel];
        return slot >= s.from && slot < s.until ? s.state : EnterStretch(channel, slot);
    }
    // Inline: an export asks it for every value of a month.
    TChannelMinute At(int channel, uint32_t slot) {
        TChannelMinute m;
        m.exception = Exception(channel, slot);
        if (const unsigned char* at = SlotBytes(slot)) {
            m.stored = at[0] == SlotStored;
            const int field = 2 + 2 * channel;
            m.raw = uint16_t(at[field] | (at[field + 1] << 8));
        }
        const ChannelDef& c = FChannels[channel];
        m.value = ScaledValue(c, m.raw);
        m.limit = LimitVerdict(c, m.value);
        return m;
    }

private:
    int EnterStretch(int channel, uint32_t slot);
    const unsigned char* SlotBytes(uint32_t slot) {
        const int block = int(slot / SlotsPerDay);
        if (block != FBlock)
            Enter(block);
        return FData ? FData + qint64(slot % SlotsPerDay) * SlotSize : nullptr;
    }
    void Enter(int block);

    struct Stretch {
        uint32_t from = 1;
        uint32_t until = 0;
        int state = ExceptionNone;
    };

    const MonthDocument& FDocument;
    TDaySource& FDays;
    TExceptionIndex FExceptions;
    ChannelDefs FChannels;
    uint32_t FSlotCount = 0;
    int FBlock = -1;
    const unsigned char* FData = nullptr;
    std::array<Stretch, ChannelCount> FStretches{};
};

// The message that tells why the minutes could not be read.
QString DaysFailureMessage(TDaysFailure failure);

// A month file read from disk as it lies (shared, nothing converted or
// written): header and tables at once, day blocks when first needed. For
// readers that walk minutes across month files.
class TMonthFileReader {
public:
    TMonthFileReader(const QString& path, int lockWaitMs = TFileAccess::LockWaitMs);

    // The header fits and both tables were read.
    bool IsOpen() const { return FOpen; }
    // The validation result (TFileBase::ValidateResult) and why it failed.
    int Result() const { return FResult; }
    TFileAccess::Failure Why() const { return FWhy; }
    const MonthDocument& Document() const { return FDocument; }
    TMonthReader& Reader() { return *FReader; }

private:
    MonthDocument FDocument;
    int FResult = 1;
    TFileAccess::Failure FWhy = TFileAccess::NoFailure;
    bool FOpen = false;
    // Made once the header and tables are in.
    std::optional<TFileDays> FDays;
    std::optional<TMonthReader> FReader;
};

// The slot of a local minute in a month file: a minute of the file's own
// month, or of one of its overflow days as a date of the following month;
// none for a minute the file cannot hold.
std::optional<uint16_t> SlotOfTime(const MonthInfo& info, const LocalTime& t);
