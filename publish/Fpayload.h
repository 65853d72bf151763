#pragma once

#include "config/Cclock.h"
#include "config/Fchannel.h"
#include "publish/Fminutes.h"

#include <QByteArray>

#include <array>
#include <cstdint>

// One minute of a month file, with what its message tells: the file's own
// channel definitions, location, operator names and exception periods.
// Texts are the file's Windows-1252 bytes.
struct PublishedMinute {
    WallMinute wall = NoMinute;
    LocalTime time;          // the minute as stored
    int utcOffset = 0;       // seconds east of UTC at that local time
    QByteArray location;
    bool hasOperator = false;
    QByteArray operatorName;
    bool stored = false;     // a record is there; otherwise the minute has no data
    bool late = false;       // stored behind the cursor after it had passed
    ChannelDefs channels{};
    std::array<uint16_t, 14> raw{};
    std::array<int, 14> exception{}; // TExceptionState of each channel
};

// The message of a minute, JSON in UTF-8:
// {"minute":"2026-03-01 00:00","time":"2026-03-01T00:00:00+01:00",
//  "location":"Werk Nord","operator":"Anna","channels":[{"channel":1,
//  "name":"Temp","unit":"°C","value":21.4,"text":"21.4"}]}
// A late minute carries "late":true after "time". The channels in use, in
// channel order. "value" is the shown number, null
// without data, inside an ordinary exception period or beyond the limits;
// "text" is the channel value window's text. No operator: null.
QByteArray MinutePayload(const PublishedMinute& minute);

// A JSON string literal of a text, in UTF-8.
QByteArray JsonString(const QString& text);
