#pragma once

#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Fchannel.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "support/Crecordingmessages.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

// Helpers shared by the diagram tests: month documents and month files made
// byte by byte with the month-file layout helpers.

constexpr uint8_t Year(int calendarYear) {
    return uint8_t(calendarYear - 1980);
}

inline ChannelDef Channel(uint16_t dispOffset = 0, uint8_t colour = 0, const QByteArray& name = "K",
                          const QByteArray& dimension = "V") {
    ChannelDef c;
    c.active = 1;
    c.name = name;
    c.dimension = dimension;
    c.dispOffset = dispOffset;
    c.inputMult = 1;
    c.minValue = 0;
    c.maxValue = 0xFFFFFFFF;
    c.colourChoice = colour;
    return c;
}

// Channels all unused; the test switches on what it needs.
inline ChannelDefs NoChannels() {
    return ChannelDefs{};
}

// A document of a month with every day block in memory (empty slots), the
// end slot and the minutes shown set to endSlot.
inline void InitDocument(MonthDocument& d, const ChannelDefs& channels, uint16_t endSlot,
                         int calendarYear = 2026, int month = 3,
                         const QByteArray& location = "Werk Nord") {
    d.header = NewHeader(Year(calendarYear), uint8_t(month), location, channels);
    SetHeaderEndSlot(d.header, endSlot);
    const int days = HeaderDaysStored(d.header);
    for (int b = 0; b < days; ++b)
        d.dayBlocks[b] = EmptyDayBlock();
    d.display.minutesShown = endSlot;
    d.display.channelVisible.fill(1);
}

inline void SetRaw(MonthDocument& d, int slot, int channel, uint16_t raw) {
    QByteArray& b = d.dayBlocks[slot / SlotsPerDay];
    const qsizetype at = qsizetype(slot % SlotsPerDay) * SlotSize;
    PutU8(b, at, SlotStored);
    PutU16(b, at + 2 + 2 * channel, raw);
}

inline void SetOperator(MonthDocument& d, int slot, uint8_t op) {
    PutU8(d.dayBlocks[slot / SlotsPerDay], qsizetype(slot % SlotsPerDay) * SlotSize + 1, op);
}

inline void AddOperatorName(MonthDocument& d, const QByteArray& name) {
    const int n = HeaderOperatorCount(d.header);
    PutText(d.operators, n * OperatorNameSize, OperatorNameSize, name);
    SetHeaderOperatorCount(d.header, uint8_t(n + 1));
}

inline void AddException(MonthDocument& d, uint16_t from, uint16_t to, uint16_t mask,
                         const char* code) {
    ExceptionPeriod p;
    p.from = from;
    p.to = to;
    p.channelMask = mask;
    std::memcpy(p.code.data(), code, std::min<size_t>(4, std::strlen(code)));
    const int n = HeaderExceptionCount(d.header);
    WriteExceptionPeriod(d.exceptions, n, p);
    SetHeaderExceptionCount(d.header, uint16_t(n + 1));
}

// The bytes of the month file a document holds.
inline QByteArray FileImage(const MonthDocument& d) {
    QByteArray f = d.header;
    const int days = HeaderDaysStored(d.header);
    for (int b = 0; b < days; ++b)
        f += d.dayBlocks[b];
    f += d.operators;
    f += d.exceptions;
    return f;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A data directory with messages and a configuration.
// A month of 14 noisy channels that keep crossing the band edge at 200,
// with empty minutes, a hidden period and note-only periods whose edges
// fall inside compressed columns.
inline void FillNoisyMonth(MonthDocument& d, int minutes) {
    ChannelDefs c = NoChannels();
    for (int ch = 0; ch < ChannelCount; ++ch)
        c[ch] = Channel(uint16_t(ch % 3 * 40), uint8_t(ch));
    InitDocument(d, c, uint16_t(minutes));
    uint32_t noise = 4711;
    for (int s = 0; s < minutes; ++s) {
        if (s % 1000 >= 700 && s % 1000 < 713)
            continue; // a pause of the unit
        for (int ch = 0; ch < ChannelCount; ++ch) {
            noise = noise * 1103515245u + 12345u;
            const int level = 180 + (s / (60 + 9 * ch) % 5) * 12;
            SetRaw(d, s, ch, uint16_t(level + int(noise >> 16) % 41 - 20));
        }
    }
    AddException(d, 3000, 3500, 0x0004, "HIDE");
    AddException(d, 5003, 5047, 0x0021, "!NOT");
    AddException(d, 9011, 9011, 0x3FFF, "!ONE");
}

struct TViewFixture {
    QTemporaryDir dir;
    TRecordingMessages messages;
    TEnv env;
    std::unique_ptr<TConfig> config;

    TViewFixture() {
        env.dataDir = dir.path();
        env.messages = &messages;
        config = std::make_unique<TConfig>(env.IniPath());
        Config = config.get();
    }
    ~TViewFixture() {
        if (Config == config.get())
            Config = nullptr;
    }

    // Writes the document as its month file into the data directory.
    QString WriteMonth(const MonthDocument& d) {
        const QString path =
            dir.filePath(MonthFileName(HeaderYear(d.header), HeaderMonth(d.header)));
        return WriteBytes(path, FileImage(d)) ? path : QString();
    }
};
