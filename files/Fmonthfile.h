#pragma once

#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "config/Fmemory.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// Layout of a month file: a 765-byte header, one day block of 1440 slots for
// every day of the month plus two overflow days of the following month, the
// operator table and the exception table. All integers little-endian.

constexpr qint64 HeaderSize = 765;
constexpr qint64 SlotSize = 30;
constexpr int SlotsPerDay = MinutesPerDay; // one slot for every minute of a day
constexpr qint64 DayBlockSize = SlotSize * SlotsPerDay; // 43200
constexpr int MaxDayBlocks = 33;                        // 31 days + 2 overflow days
constexpr int FileOverflowDays = 2;                     // written into every new file

constexpr qint64 OperatorNameSize = 16;
constexpr int MaxOperators = 100;
constexpr qint64 OperatorTableSize = OperatorNameSize * MaxOperators; // 1600
constexpr uint8_t NoOperator = 255;

constexpr qint64 ExceptionEntrySize = 10;
constexpr int MaxExceptions = 500;
constexpr qint64 ExceptionTableSize = ExceptionEntrySize * MaxExceptions; // 5000

// Header fields.
constexpr qint64 HdrSignature = 0;
constexpr qint64 HdrExceptionCount = 6;
constexpr qint64 HdrYear = 8;
constexpr qint64 HdrMonth = 9;
constexpr qint64 HdrDaysStored = 10;
constexpr qint64 HdrOverflowDays = 11;
constexpr qint64 HdrEndSlot = 12;
constexpr qint64 HdrLocation = 14;
constexpr qint64 LocationSize = 22; // 21 characters and the NUL
constexpr qint64 HdrChannels = 36;
constexpr qint64 ChannelDefsSize = ChannelCount * ChannelDef::Size; // 728
constexpr qint64 HdrOperatorCount = 764;

inline const QByteArray MonthFileSignature = "VELO01";
// The exception-count field of the earliest layout, which had no exception
// table and ended with the operator names.
inline const QByteArray EarlyLayoutMarker = "00";

// Offsets as functions of the number of day blocks B (days stored).
constexpr qint64 DayBlockOffset(int block) {
    return HeaderSize + DayBlockSize * block;
}
constexpr qint64 SlotOffset(uint32_t slot) {
    return HeaderSize + SlotSize * qint64(slot);
}
constexpr qint64 OperatorTableOffset(int daysStored) {
    return DayBlockOffset(daysStored);
}
constexpr qint64 ExceptionTableOffset(int daysStored) {
    return OperatorTableOffset(daysStored) + OperatorTableSize;
}
constexpr qint64 FileSize(int daysStored) {
    return ExceptionTableOffset(daysStored) + ExceptionTableSize;
}

// "D%4u-%.2u.ZMF" from a year byte (since 1980) and a month.
QString MonthFileName(uint8_t year, uint8_t month);

// Removes what month-file creations that were killed left in the data
// directory (".D2026-01.ZMF.XXXXXX"); for the holder of its lock, before it
// writes. The number removed.
int RemoveInterruptedCreations(const QString& dataDir);

// Header image accessors; the image is always HeaderSize bytes.
QByteArray HeaderSignature(const QByteArray& h);
uint16_t HeaderExceptionCount(const QByteArray& h);
void SetHeaderExceptionCount(QByteArray& h, uint16_t count);
bool HasEarlyLayoutMarker(const QByteArray& h);
uint8_t HeaderYear(const QByteArray& h);
uint8_t HeaderMonth(const QByteArray& h);
uint8_t HeaderDaysStored(const QByteArray& h);
uint8_t HeaderOverflowDays(const QByteArray& h);
uint16_t HeaderEndSlot(const QByteArray& h);
void SetHeaderEndSlot(QByteArray& h, uint16_t slot);
QByteArray HeaderLocation(const QByteArray& h);
uint8_t HeaderOperatorCount(const QByteArray& h);
void SetHeaderOperatorCount(QByteArray& h, uint8_t count);
ChannelDef HeaderChannel(const QByteArray& h, int index);
// The 728 bytes of the 14 channel definitions.
QByteArray HeaderChannelBytes(const QByteArray& h);
void SetHeaderChannelBytes(QByteArray& h, const QByteArray& defs);
// The 728-byte image of 14 channel definitions, as a header holds them.
QByteArray ChannelDefsImage(const ChannelDefs& channels);
// What the slot conversions of the calendar need.
MonthInfo HeaderMonthInfo(const QByteArray& h);

// The header of a new file: exception count 0, days stored = days of the
// month + 2, two overflow days, end slot 0, operator count 0. A location
// longer than 21 bytes is cut to 21.
QByteArray NewHeader(uint8_t year, uint8_t month, const QByteArray& location,
                     const ChannelDefs& channels);

// True when the header can be held by a document's buffers: the signature,
// a month 1..12, 1..33 day blocks, no more overflow days than day blocks, at
// most 500 exception periods (or the earliest layout's "00") and at most 100
// operator names.
bool HeaderFits(const QByteArray& h);

// One entry of the exception table.
struct ExceptionPeriod {
    uint16_t from = 0; // first slot
    uint16_t to = 0;   // last slot, inclusive
    uint16_t channelMask = 0;
    std::array<char, 4> code{}; // not NUL-terminated; four zeros when empty

    // A code beginning with "!" marks a period that only notes.
    bool IsNoteOnly() const { return code[0] == '!'; }
    bool operator==(const ExceptionPeriod&) const = default;
};

ExceptionPeriod ReadExceptionPeriod(const QByteArray& table, int index);
void WriteExceptionPeriod(QByteArray& table, int index, const ExceptionPeriod& p);

// Slots: state, operator index, 14 raw values.
constexpr uint8_t SlotStored = 1;
constexpr uint8_t SlotEmpty = 255;

QByteArray BuildSlot(uint8_t operatorIndex, const std::array<uint16_t, ChannelCount>& values);
// 255, 255 and 28 zero bytes.
QByteArray EmptySlot();
// A whole day block of empty slots.
QByteArray EmptyDayBlock();
// Readers over a day block; minute is the slot's minute of the day.
uint8_t SlotState(const QByteArray& block, int minute);
uint8_t SlotOperator(const QByteArray& block, int minute);
// (Inline: the export reads some 600 000 values a month.)
inline uint16_t SlotValue(const QByteArray& block, int minute, int channel) {
    return GetU16(block, qint64(minute) * SlotSize + 2 + 2 * channel);
}
// Writes a 30-byte slot into a day block.
void PutSlot(QByteArray& block, int minute, const QByteArray& slot);

// Operator table entries: the NUL-terminated names of 16 bytes.
QByteArray OperatorName(const QByteArray& table, int index);
// Index of the name among entries 0..count-1 (letter case counts), or -1.
int FindOperator(const QByteArray& table, int count, const QByteArray& name);
