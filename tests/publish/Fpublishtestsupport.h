#pragma once

// What the tests of publishing share: a data directory with month files,
// minutes written straight into them, and publishers that wait briefly.

#include "files/Cfileact.h"
#include "files/Ffiletestsupport.h"
#include "publish/Cpublisher.h"
#include "publish/Fminutes.h"
#include "publish/Fpublishsettings.h"

#include <QFile>
#include <QSet>

inline WallMinute Wall(int year, int month, int day, int hour, int minute) {
    return ToWallMinute({year, month, day, hour, minute, 0});
}

// count stored minutes from the minute `first` on, written straight into
// the month files (made as needed), raw value of channel 1 = the minute's
// number within the run, modulo 1000.
inline bool FillMinutes(TFilesFixture& fx, WallMinute first, int count) {
    MonthDocument scratch;
    TFileAct act(&scratch, fx.env, *fx.config);
    int done = 0;
    while (done < count) {
        uint8_t y = 0;
        uint8_t m = 0;
        MonthOf(first + done, y, m);
        const QString path = fx.MonthPath(1980 + y, m);
        if (!QFile::exists(path) && !act.CreateMonthFile(y, m))
            return false;
        const WallMinute start = MonthStart(y, m);
        const int slot = int(first + done - start);
        const int inMonth = std::min(count - done, DaysInMonth(y, m) * SlotsPerDay - slot);
        QByteArray image;
        image.reserve(inMonth * SlotSize);
        for (int i = 0; i < inMonth; ++i) {
            std::array<uint16_t, 14> v{};
            v[0] = uint16_t((done + i) % 1000);
            image += BuildSlot(NoOperator, v);
        }
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) || !f.seek(SlotOffset(uint32_t(slot))) ||
            f.write(image) != image.size())
            return false;
        done += inMonth;
    }
    return true;
}

// The "minute" field of a message, which comes first.
inline QString MinuteOf(const QByteArray& payload) {
    const QByteArray head = "{\"minute\":\"";
    return payload.startsWith(head) ? QString::fromLatin1(payload.mid(head.size(), 16))
                                    : QString();
}

inline QString Text(WallMinute m) {
    return QString::fromLatin1(MinuteText(FromWallMinute(m)));
}

inline PublishSettings BrokerSettings(int port, const QString& topic = "test/a") {
    PublishSettings s;
    s.enabled = true;
    s.host = "127.0.0.1";
    s.port = port;
    s.topic = topic;
    return s;
}

// Short waits, so that a test of an outage takes a moment.
inline TPublisher::Options QuickOptions(int maxInFlight = 20) {
    TPublisher::Options o;
    o.maxInFlight = maxInFlight;
    o.pollMs = 200;
    o.cursorWriteMs = 100;
    o.lockWaitMs = 100;
    o.link.retryMs = 100;
    o.link.maxRetryMs = 200;
    o.link.connectTimeoutMs = 2000;
    return o;
}

inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}
