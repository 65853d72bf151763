#pragma once

// What the benchmark programs share: the median of their runs and the
// fourteen channels of their made-up month files.

#include "config/Fchannel.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// The year byte of 2026 (years counted from 1980).
constexpr uint8_t Year2026 = 46;

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Fourteen active channels "Kanal 1" … "Kanal 14" in the given unit and
// scaling, each in its own colour.
inline ChannelDefs BenchChannels(const QByteArray& dimension, uint16_t inputMult, uint8_t decimals,
                                 uint32_t maxValue) {
    ChannelDefs channels{};
    for (int i = 0; i < ChannelCount; ++i) {
        channels[i].active = 1;
        channels[i].name = "Kanal " + QByteArray::number(i + 1);
        channels[i].dimension = dimension;
        channels[i].inputMult = inputMult;
        channels[i].decimals = decimals;
        channels[i].maxValue = maxValue;
        channels[i].colourChoice = uint8_t(i);
    }
    return channels;
}
