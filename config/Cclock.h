#pragma once

#include <cstdint>

// Local broken-down time as the clock reports it.
struct LocalTime {
    int year = 1980; // calendar year
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The one source of time: local time, seconds since 1970 (UTC) and a
// millisecond tick count. The simulator, the plausibility test and the
// reminders read it, so a simulated clock can drive all of them.
class TClock {
public:
    virtual ~TClock() = default;
    virtual LocalTime Local() const = 0;
    virtual int64_t SecondsSince1970() const = 0;
    virtual uint32_t TickCount() const = 0;
};

// The PC clock.
class TSystemClock : public TClock {
public:
    LocalTime Local() const override;
    int64_t SecondsSince1970() const override;
    uint32_t TickCount() const override;
};

// A clock that only moves when told to; its local time equals UTC. Used by
// zedactl's simulation and by tests.
class TSimClock : public TClock {
public:
    explicit TSimClock(int64_t secondsSince1970 = 0, uint32_t tick = 0);

    LocalTime Local() const override;
    int64_t SecondsSince1970() const override { return FSeconds; }
    uint32_t TickCount() const override { return FTick; }

    void SetLocal(const LocalTime& t);
    void SetSeconds(int64_t seconds) { FSeconds = seconds; }
    void SetTick(uint32_t tick) { FTick = tick; }
    // Moves both the calendar time and the tick count forward.
    void Advance(int64_t seconds);

private:
    int64_t FSeconds;
    uint32_t FTick;
};

// Seconds since 1970 of a broken-down time read as UTC.
int64_t SecondsFromLocal(const LocalTime& t);
// Broken-down UTC time of seconds since 1970.
LocalTime LocalFromSeconds(int64_t seconds);
