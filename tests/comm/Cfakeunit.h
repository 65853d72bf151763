#pragma once

#include "comm/Ccommbase.h"

#include <QList>
#include <QSerialPort>

#include <optional>

// A unit the test lays out: its waiting records, its answers and its
// connection; no byte goes over a line and the line is always quiet.
class TFakeUnit : public TCommBase {
public:
    using TCommBase::TCommBase;

    QList<SampleRecord> waiting;
    // What ReadOldest answers while records wait: -1 a failed request, any
    // other but 1 counts as nothing waiting.
    int32_t readResult = 1;
    // Set: every ReadOldest reports the connection as this, and a unit that
    // does not answer fails the request.
    std::optional<bool> answers;
    int32_t infoResult = 1;
    int infoCalls = 0;
    bool portOpenAtInfo = false; // whether the port was open at the last GetInfo
    int removals = 0;

    int32_t WriteByte(int32_t, uint8_t) override { return 0; }
    int32_t ReadByte(int32_t, uint8_t&) override { return 0; }
    int32_t GetInfo(DeviceInfo&) override {
        ++infoCalls;
        portOpenAtInfo = PortHandle && PortHandle->isOpen();
        return infoResult;
    }
    int32_t GetRecordCount(int32_t& c) override {
        c = int32_t(waiting.size());
        return 1;
    }
    int32_t GetClock(DeviceClock&) override { return 1; }
    int32_t SetClock(const DeviceClock&) override { return 1; }
    int32_t ReadOldest(SampleRecord& r) override {
        if (answers)
            SetConnected(*answers);
        if (answers == false)
            return -1;
        if (readResult != 1)
            return readResult;
        if (waiting.isEmpty())
            return 0;
        r = waiting.first();
        return 1;
    }
    int32_t RemoveOldest() override {
        ++removals;
        if (!waiting.isEmpty())
            waiting.removeFirst();
        return 1;
    }
    int32_t ReadCurrent(SampleRecord&) override { return 1; }
};
