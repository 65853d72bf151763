#include "comm/Ccommsim.h"

#include "config/Cclock.h"

#include <algorithm>

TCommSim::TCommSim(const TEnv& env) : TCommBase(env) {
    Clear();
    LastStamp = {};
}

SampleRecord TCommSim::MakeRecord() const {
    // One reading of the clock for both the stamp and the values.
    const LocalTime t = Env().clock->Local();
    SampleRecord r;
    r.SetTime(SampleTimeFromLocal(t));
    for (int i = 0; i < ChannelCount; ++i)
        r.values[i] = static_cast<uint16_t>(i * 10 + t.minute);
    return r;
}

void TCommSim::Tick() {
    const SampleRecord r = MakeRecord();
    if (r.Time() == LastStamp || Count >= QueueSize)
        return;
    LastStamp = r.Time();
    Queue[Count] = r;
    ++Count;
}

int32_t TCommSim::WriteByte(int32_t, uint8_t) {
    return 1;
}

int32_t TCommSim::ReadByte(int32_t, uint8_t& value) {
    value = 255;
    return 1;
}

int32_t TCommSim::GetInfo(DeviceInfo& info) {
    // Firmware 1.10 of 1992-11-14.
    info = {1, 10, 12, 11, 14};
    return 1;
}

int32_t TCommSim::GetRecordCount(int32_t& count) {
    count = Count;
    return 1;
}

int32_t TCommSim::GetClock(DeviceClock& clock) {
    clock = UnitClockFromLocal(Env().clock->Local());
    return 1;
}

int32_t TCommSim::SetClock(const DeviceClock&) {
    return 1;
}

int32_t TCommSim::ReadOldest(SampleRecord& record) {
    if (Count == 0)
        return 0;
    record = Queue[0];
    return 1;
}

int32_t TCommSim::RemoveOldest() {
    if (Count == 0)
        return 1;
    std::copy(Queue.begin() + 1, Queue.begin() + Count, Queue.begin());
    --Count;
    return 1;
}

int32_t TCommSim::ReadCurrent(SampleRecord& record) {
    record = MakeRecord();
    return 1;
}
