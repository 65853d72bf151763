#pragma once

#include "comm/Ccommbase.h"

#include <memory>

class TSerialLink;

// The driver of the real unit: the nine operations as exchanges of the
// framed protocol (docs/unit-protocol.md) over the open port.
//
// Every record the unit hands over carries an id. RemoveOldest sends the id
// and the time of the record ReadOldest delivered last, and the unit removes
// its oldest record only when both match, so a removal repeated after a lost
// answer never removes a second record. A removal that got no answer at all
// is finished before the next record is read.
//
// NoConnection is set when an exchange got no valid answer after all its
// tries (or no port is open) and cleared by the next valid answer. A port
// that did not open, or that has gone, is opened again by the acquisition
// cycle (KeepConnected).
class TCommSerial : public TCommBase {
public:
    explicit TCommSerial(const TEnv& env);
    ~TCommSerial() override;

    int32_t WriteByte(int32_t index, uint8_t value) override;
    int32_t ReadByte(int32_t index, uint8_t& value) override;
    int32_t GetInfo(DeviceInfo& info) override;
    int32_t GetRecordCount(int32_t& count) override;
    int32_t GetClock(DeviceClock& clock) override;
    int32_t SetClock(const DeviceClock& clock) override;
    int32_t ReadOldest(SampleRecord& record) override;
    int32_t RemoveOldest() override;
    int32_t ReadCurrent(SampleRecord& record) override;
    bool Reached() const override { return FReached; }

    const TSerialLink& Link() const { return *FLink; }

protected:
    bool LinkDown() const override;

private:
    // One exchange whose answer must have one of two sizes; keeps
    // NoConnection.
    bool Ask(uint8_t code, const QByteArray& request, int size, QByteArray& answer,
             int otherSize = -1);
    bool SendRemoval();

    std::unique_ptr<TSerialLink> FLink;
    bool FHaveRecord = false;     // ReadOldest delivered a record not yet removed
    bool FRemovalPending = false; // a removal still waits for its answer
    bool FReached = false;        // the unit answered at least once
    uint32_t FRecordId = 0;
    SampleTime FRecordTime{};
};
