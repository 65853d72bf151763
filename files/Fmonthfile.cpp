#include "files/Fmonthfile.h"

#include "config/Cfileaccess.h"
#include "config/Fmemory.h"

QString MonthFileName(uint8_t year, uint8_t month) {
    return QString::asprintf("D%4u-%.2u.ZMF", unsigned(YearBase) + year, unsigned(month));
}

int RemoveInterruptedCreations(const QString& dataDir) {
    return RemoveInterruptedNewFiles(dataDir,
                                     QStringLiteral("D[0-9][0-9][0-9][0-9]-[0-9][0-9].ZMF"));
}

QByteArray HeaderSignature(const QByteArray& h) {
    return h.mid(HdrSignature, MonthFileSignature.size());
}

uint16_t HeaderExceptionCount(const QByteArray& h) {
    return GetU16(h, HdrExceptionCount);
}

void SetHeaderExceptionCount(QByteArray& h, uint16_t count) {
    PutU16(h, HdrExceptionCount, count);
}

bool HasEarlyLayoutMarker(const QByteArray& h) {
    return h.mid(HdrExceptionCount, 2) == EarlyLayoutMarker;
}

uint8_t HeaderYear(const QByteArray& h) {
    return GetU8(h, HdrYear);
}
uint8_t HeaderMonth(const QByteArray& h) {
    return GetU8(h, HdrMonth);
}
uint8_t HeaderDaysStored(const QByteArray& h) {
    return GetU8(h, HdrDaysStored);
}
uint8_t HeaderOverflowDays(const QByteArray& h) {
    return GetU8(h, HdrOverflowDays);
}
uint16_t HeaderEndSlot(const QByteArray& h) {
    return GetU16(h, HdrEndSlot);
}
void SetHeaderEndSlot(QByteArray& h, uint16_t slot) {
    PutU16(h, HdrEndSlot, slot);
}
QByteArray HeaderLocation(const QByteArray& h) {
    return GetText(h, HdrLocation, LocationSize);
}
uint8_t HeaderOperatorCount(const QByteArray& h) {
    return GetU8(h, HdrOperatorCount);
}
void SetHeaderOperatorCount(QByteArray& h, uint8_t count) {
    PutU8(h, HdrOperatorCount, count);
}

ChannelDef HeaderChannel(const QByteArray& h, int index) {
    return ReadChannelDef(h, HdrChannels + qint64(index) * ChannelDef::Size);
}

QByteArray HeaderChannelBytes(const QByteArray& h) {
    return h.mid(HdrChannels, ChannelDefsSize);
}

void SetHeaderChannelBytes(QByteArray& h, const QByteArray& defs) {
    h.replace(HdrChannels, ChannelDefsSize, defs);
}

QByteArray ChannelDefsImage(const ChannelDefs& channels) {
    QByteArray image(ChannelDefsSize, '\0');
    for (int i = 0; i < int(channels.size()); ++i)
        WriteChannelDef(image, qint64(i) * ChannelDef::Size, channels[i]);
    return image;
}

MonthInfo HeaderMonthInfo(const QByteArray& h) {
    return {HeaderYear(h), HeaderMonth(h), HeaderDaysStored(h), HeaderOverflowDays(h)};
}

QByteArray NewHeader(uint8_t year, uint8_t month, const QByteArray& location,
                     const ChannelDefs& channels) {
    QByteArray h(HeaderSize, '\0');
    h.replace(HdrSignature, MonthFileSignature.size(), MonthFileSignature);
    PutU8(h, HdrYear, year);
    PutU8(h, HdrMonth, month);
    PutU8(h, HdrDaysStored, static_cast<uint8_t>(DaysInMonth(year, month) + FileOverflowDays));
    PutU8(h, HdrOverflowDays, FileOverflowDays);
    // PutText keeps at most 21 bytes and the NUL.
    PutText(h, HdrLocation, LocationSize, location);
    SetHeaderChannelBytes(h, ChannelDefsImage(channels));
    return h;
}

bool HeaderFits(const QByteArray& h) {
    if (h.size() != HeaderSize || HeaderSignature(h) != MonthFileSignature)
        return false;
    const int month = HeaderMonth(h);
    const int days = HeaderDaysStored(h);
    if (month < 1 || month > 12 || days < 1 || days > MaxDayBlocks)
        return false;
    if (HeaderOverflowDays(h) > days)
        return false;
    if (!HasEarlyLayoutMarker(h) && HeaderExceptionCount(h) > MaxExceptions)
        return false;
    return HeaderOperatorCount(h) <= MaxOperators;
}

ExceptionPeriod ReadExceptionPeriod(const QByteArray& table, int index) {
    const qint64 at = qint64(index) * ExceptionEntrySize;
    ExceptionPeriod p;
    p.from = GetU16(table, at);
    p.to = GetU16(table, at + 2);
    p.channelMask = GetU16(table, at + 4);
    for (int i = 0; i < 4; ++i)
        p.code[i] = table[at + 6 + i];
    return p;
}

void WriteExceptionPeriod(QByteArray& table, int index, const ExceptionPeriod& p) {
    const qint64 at = qint64(index) * ExceptionEntrySize;
    PutU16(table, at, p.from);
    PutU16(table, at + 2, p.to);
    PutU16(table, at + 4, p.channelMask);
    for (int i = 0; i < 4; ++i)
        table[at + 6 + i] = p.code[i];
}

QByteArray BuildSlot(uint8_t operatorIndex, const std::array<uint16_t, ChannelCount>& values) {
    QByteArray s(SlotSize, '\0');
    PutU8(s, 0, SlotStored);
    PutU8(s, 1, operatorIndex);
    for (int i = 0; i < int(values.size()); ++i)
        PutU16(s, 2 + 2 * i, values[i]);
    return s;
}

QByteArray EmptySlot() {
    QByteArray s(SlotSize, '\0');
    PutU8(s, 0, SlotEmpty);
    PutU8(s, 1, NoOperator);
    return s;
}

QByteArray EmptyDayBlock() {
    return EmptySlot().repeated(SlotsPerDay);
}

uint8_t SlotState(const QByteArray& block, int minute) {
    return GetU8(block, qint64(minute) * SlotSize);
}

uint8_t SlotOperator(const QByteArray& block, int minute) {
    return GetU8(block, qint64(minute) * SlotSize + 1);
}

void PutSlot(QByteArray& block, int minute, const QByteArray& slot) {
    block.replace(qint64(minute) * SlotSize, SlotSize, slot);
}

QByteArray OperatorName(const QByteArray& table, int index) {
    return GetText(table, qint64(index) * OperatorNameSize, OperatorNameSize);
}

int FindOperator(const QByteArray& table, int count, const QByteArray& name) {
    // Compare with the name as a table entry would hold it.
    QByteArray entry(OperatorNameSize, '\0');
    PutText(entry, 0, OperatorNameSize, name);
    const QByteArray wanted = GetText(entry, 0, OperatorNameSize);
    for (int i = 0; i < count; ++i) {
        if (OperatorName(table, i) == wanted)
            return i;
    }
    return -1;
}
