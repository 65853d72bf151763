#pragma once

#include "config/Fcalendar.h"
#include "config/Fchannel.h"

#include <array>
#include <cstdint>

// One minute of measurements as the unit hands it over: the minute it belongs
// to (local time) and the 14 raw channel values, channel 1 first.
struct SampleRecord {
    static constexpr int Size = 32;

    uint8_t year = 0;    // since 1980
    uint8_t month = 0;   // 1..12
    uint16_t minute = 0; // MonthMinute
    std::array<uint16_t, ChannelCount> values{};

    SampleTime Time() const { return {year, month, minute}; }
    void SetTime(const SampleTime& t) {
        year = t.year;
        month = t.month;
        minute = t.minute;
    }
};
