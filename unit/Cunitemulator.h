#pragma once

#include "comm/Ccommbase.h"
#include "comm/Fframe.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <deque>
#include <random>

// What the emulated unit is told at start.
struct UnitOptions {
    int64_t clockSeconds = 0;  // its clock at start: local time read as UTC seconds
    int64_t clockRate = 1;     // clock seconds per real second
    int64_t records = -1;      // records to make in all; -1 for no end
    bool dropByte = false;     // now and then an answer loses a byte
    bool corruptFrame = false; // now and then an answer fails its check
    bool silence = false;      // now and then the unit ignores a few requests
    uint32_t seed = 1;
};

// The acquisition unit as the driver sees it: a clock, up to 100 waiting
// records made one a minute with the simulator's values (channel index x 10
// + minute), firmware 1.10 of 1992-11-14, and the answers of the framed
// protocol. Time comes in as milliseconds of a monotonic clock, so the
// emulator is the same on a fast clock and a real one.
class TUnitEmulator {
public:
    static constexpr int QueueSize = 100;

    TUnitEmulator(const UnitOptions& options, int64_t nowMs);

    // The unit's clock in seconds (local time read as UTC).
    int64_t ClockSeconds(int64_t nowMs) const;
    // Queues the records of the minutes begun since the last call; minutes
    // that find the queue full are lost, as in the unit.
    void Produce(int64_t nowMs);
    // The answer frame to a request, with any fault applied; empty when the
    // unit stays silent.
    QByteArray Answer(const Frame& request, int64_t nowMs);

    // The faults applied so far, by kind.
    int dropped = 0;
    int corrupted = 0;
    int silences = 0;

private:
    struct Stored {
        uint32_t id;
        SampleRecord record;
    };

    QByteArray Payload(const Frame& request, int64_t nowMs, bool& known);
    SampleRecord RecordOfMinute(int64_t minute) const;
    QByteArray Damage(QByteArray frame);

    UnitOptions FOptions;
    int64_t FBaseSeconds; // clock at FBaseMs
    int64_t FBaseMs;
    int64_t FLastMinute;
    int64_t FMade = 0;
    uint32_t FNextId;
    std::deque<Stored> FQueue;
    std::array<uint8_t, 256> FMemory{};
    std::mt19937 FRandom;
    int FSilentFor = 0; // requests still to ignore
};
