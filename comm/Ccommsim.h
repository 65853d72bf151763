#pragma once

#include "comm/Ccommbase.h"

#include <array>

// A simulated unit: one record per minute of the PC clock, waiting in a
// queue of 100 until it is fetched. Values are channel index x 10 + the
// minute of the hour. Never uses the port.
class TCommSim : public TCommBase {
public:
    static constexpr int QueueSize = 100;

    // Empty queue; call Start() afterwards to open the port.
    explicit TCommSim(const TEnv& env);

    int32_t WriteByte(int32_t index, uint8_t value) override;
    int32_t ReadByte(int32_t index, uint8_t& value) override;
    int32_t GetInfo(DeviceInfo& info) override;
    int32_t GetRecordCount(int32_t& count) override;
    int32_t GetClock(DeviceClock& clock) override;
    int32_t SetClock(const DeviceClock& clock) override;
    int32_t ReadOldest(SampleRecord& record) override;
    int32_t RemoveOldest() override;
    int32_t ReadCurrent(SampleRecord& record) override;

    // Once per main-timer tick: queues a record when the clock shows a minute
    // other than the last one queued and there is room.
    void Tick() override;
    bool ForgetsRemovedRecords() const override { return false; }
    bool UsesPort() const override { return false; }
    void Clear() { Count = 0; }

    int32_t Count = 0;                           // records waiting, 0..100
    std::array<SampleRecord, QueueSize> Queue{}; // entry 0 is the oldest
    SampleTime LastStamp{};                      // minute of the last queued record

private:
    SampleRecord MakeRecord() const;
};
