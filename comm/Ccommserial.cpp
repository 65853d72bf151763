#include "comm/Ccommserial.h"

#include "comm/Cseriallink.h"
#include "comm/Fframe.h"
#include "config/Fmemory.h"

#include <QSerialPort>

namespace {

constexpr int InfoSize = 5;
constexpr int ClockSize = 6;
constexpr int CountSize = 4;
constexpr int IdSize = 4;

QByteArray ClockBytes(const DeviceClock& c) {
    QByteArray b(ClockSize, '\0');
    PutU8(b, 0, c.year);
    PutU8(b, 1, c.month);
    PutU8(b, 2, c.day);
    PutU8(b, 3, c.hour);
    PutU8(b, 4, c.minute);
    PutU8(b, 5, c.second);
    return b;
}

} // namespace

TCommSerial::TCommSerial(const TEnv& env)
    : TCommBase(env), FLink(std::make_unique<TSerialLink>()) {}

TCommSerial::~TCommSerial() = default;

bool TCommSerial::LinkDown() const {
    // A device that went away (an adapter pulled out) leaves a port that
    // never works again.
    return !PortHandle || !PortHandle->isOpen() ||
           PortHandle->error() == QSerialPort::ResourceError;
}

bool TCommSerial::Ask(uint8_t code, const QByteArray& request, int size, QByteArray& answer,
                      int otherSize) {
    const uint32_t baud = BaudRate != 0 ? BaudRate : 600;
    QList<int> sizes{size};
    if (otherSize >= 0)
        sizes << otherSize;
    const bool ok = FLink->Exchange(PortHandle.get(), baud, code, request, sizes, answer);
    FReached = FReached || ok;
    SetConnected(ok);
    return ok;
}

int32_t TCommSerial::WriteByte(int32_t index, uint8_t value) {
    QByteArray request(5, '\0');
    PutI32(request, 0, index);
    PutU8(request, 4, value);
    QByteArray a;
    return Ask(CmdWriteByte, request, 1, a) ? GetU8(a, 0) : 0;
}

int32_t TCommSerial::ReadByte(int32_t index, uint8_t& value) {
    QByteArray request(4, '\0');
    PutI32(request, 0, index);
    QByteArray a;
    if (!Ask(CmdReadByte, request, 2, a) || GetU8(a, 0) == 0)
        return 0;
    value = GetU8(a, 1);
    return 1;
}

int32_t TCommSerial::GetInfo(DeviceInfo& info) {
    QByteArray a;
    if (!Ask(CmdGetInfo, {}, InfoSize, a))
        return 0;
    info = {GetU8(a, 0), GetU8(a, 1), GetU8(a, 2), GetU8(a, 3), GetU8(a, 4)};
    return 1;
}

int32_t TCommSerial::GetRecordCount(int32_t& count) {
    QByteArray a;
    if (!Ask(CmdGetRecordCount, {}, CountSize, a))
        return 0;
    count = GetI32(a, 0);
    return 1;
}

int32_t TCommSerial::GetClock(DeviceClock& clock) {
    QByteArray a;
    if (!Ask(CmdGetClock, {}, ClockSize, a))
        return 0;
    clock = {GetU8(a, 0), GetU8(a, 1), GetU8(a, 2), GetU8(a, 3), GetU8(a, 4), GetU8(a, 5)};
    return 1;
}

int32_t TCommSerial::SetClock(const DeviceClock& clock) {
    QByteArray a;
    return Ask(CmdSetClock, ClockBytes(clock), 1, a) ? GetU8(a, 0) : 0;
}

bool TCommSerial::SendRemoval() {
    QByteArray request(IdSize + 4, '\0');
    PutU32(request, 0, FRecordId);
    PutU8(request, 4, FRecordTime.year);
    PutU8(request, 5, FRecordTime.month);
    PutU16(request, 6, FRecordTime.minute);
    QByteArray a;
    // Removed or not (an earlier try may have removed it already), the
    // record is gone from the unit once it answered.
    if (!Ask(CmdRemoveOldest, request, 1, a))
        return false;
    FRemovalPending = false;
    return true;
}

int32_t TCommSerial::ReadOldest(SampleRecord& record) {
    // The record the cycle removed last must be gone before the next is
    // read, or it would come again.
    if (FRemovalPending && !SendRemoval())
        return -1;
    QByteArray a;
    if (!Ask(CmdReadOldest, {}, IdSize + SampleRecord::Size, a, 0))
        return -1;
    if (a.isEmpty()) {
        FHaveRecord = false;
        return 0;
    }
    FRecordId = GetU32(a, 0);
    record = SampleRecordFromBytes(a, IdSize);
    FRecordTime = record.Time();
    FHaveRecord = true;
    return 1;
}

int32_t TCommSerial::RemoveOldest() {
    if (!FHaveRecord)
        return 1;
    FHaveRecord = false;
    FRemovalPending = true;
    SendRemoval();
    return 1;
}

int32_t TCommSerial::ReadCurrent(SampleRecord& record) {
    QByteArray a;
    if (!Ask(CmdReadCurrent, {}, SampleRecord::Size, a))
        return 0;
    record = SampleRecordFromBytes(a, 0);
    return 1;
}
