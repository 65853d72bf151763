#include "comm/Ccommsim.h"
#include "config/Cclock.h"
#include "support/Crecordingmessages.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return {year, month, day, hour, minute, second};
}

} // namespace

class TestCommSim : public QObject {
    Q_OBJECT

    TSimClock clock;
    TRecordingMessages messages;
    TEnv env;

    void SetUpEnv() {
        env.dataDir = "/nonexistent";
        env.clock = &clock;
        env.messages = &messages;
    }

private slots:
    void init() {
        clock = TSimClock();
        messages.Clear();
        SetUpEnv();
    }

    void constructionLeavesQueueEmptyAndPortClosed() {
        clock.SetLocal(At(2024, 5, 3, 14, 37));
        TCommSim sim(env);
        QCOMPARE(sim.Count, 0);
        QCOMPARE(sim.LastStamp, SampleTime{});
        QVERIFY(!sim.PortHandle);
        QVERIFY(messages.shown.isEmpty());
    }

    // The simulator needs no port: at the first start it used to open COM2
    // all the same and greet the user with "cannot connected!".
    void simulatorOpensNoPort() {
        QTemporaryDir dir;
        env.dataDir = dir.path();
        QVERIFY(TIniFile(env.IniPath())
                    .WriteString(IniSection, "COM2", dir.filePath("ttyNone").toLocal8Bit()));
        TCommSim sim(env);
        QVERIFY(sim.Start());
        QVERIFY(!sim.PortHandle);
        QVERIFY(sim.KeepConnected());
        QCOMPARE(messages.shown.size(), 0);
    }

    void tickQueuesOneRecordPerMinute() {
        clock.SetLocal(At(2024, 5, 3, 14, 37, 2));
        TCommSim sim(env);
        sim.Tick();
        clock.Advance(5);
        sim.Tick();
        QCOMPARE(sim.Count, 1);

        clock.SetLocal(At(2024, 5, 3, 14, 38, 1));
        sim.Tick();
        QCOMPARE(sim.Count, 2);
        QCOMPARE(sim.Queue[0].minute, uint16_t(2 * 1440 + 14 * 60 + 37));
        QCOMPARE(sim.Queue[1].minute, uint16_t(2 * 1440 + 14 * 60 + 38));
        QCOMPARE(sim.LastStamp, sim.Queue[1].Time());
        int32_t count = -1;
        QCOMPARE(sim.GetRecordCount(count), 1);
        QCOMPARE(count, 2);
    }

    void recordStampAndValuesAt1437() {
        clock.SetLocal(At(2024, 5, 3, 14, 37, 59));
        TCommSim sim(env);
        sim.Tick();
        SampleRecord current;
        QCOMPARE(sim.ReadCurrent(current), 1);
        for (const SampleRecord& r : {sim.Queue[0], current}) {
            QCOMPARE(r.year, uint8_t(44));
            QCOMPARE(r.month, uint8_t(5));
            QCOMPARE(r.minute, uint16_t(2 * 1440 + 14 * 60 + 37));
            for (int i = 0; i < ChannelCount; ++i)
                QCOMPARE(r.values[i], uint16_t(37 + 10 * i));
        }
        QCOMPARE(current.values[13], uint16_t(167));
    }

    void fullQueueDropsMinutesUntilRoomIsMade() {
        clock.SetLocal(At(2024, 1, 31, 23, 0));
        TCommSim sim(env);
        for (int i = 0; i < TCommSim::QueueSize; ++i) {
            sim.Tick();
            clock.Advance(60);
        }
        QCOMPARE(sim.Count, 100);
        const SampleTime lastQueued = sim.LastStamp;
        sim.Tick();
        QCOMPARE(sim.Count, 100);
        QCOMPARE(sim.LastStamp, lastQueued);

        const SampleRecord second = sim.Queue[1];
        QCOMPARE(sim.RemoveOldest(), 1);
        QCOMPARE(sim.Count, 99);
        SampleRecord oldest;
        QCOMPARE(sim.ReadOldest(oldest), 1);
        QCOMPARE(oldest.Time(), second.Time());

        // Same minute as the dropped one: now there is room for it.
        sim.Tick();
        QCOMPARE(sim.Count, 100);
        // 23:00 + 100 minutes is February 1st, 00:40.
        QCOMPARE(sim.Queue[0].month, uint8_t(1));
        QCOMPARE(sim.Queue[99].month, uint8_t(2));
        QCOMPARE(sim.Queue[99].minute, uint16_t(40));
        QCOMPARE(sim.Queue[98].minute, uint16_t(39));
    }

    void readOldestOnEmptyQueueLeavesRecordAlone() {
        TCommSim sim(env);
        SampleRecord r;
        r.year = 7;
        r.values.fill(0xBEEF);
        QCOMPARE(sim.ReadOldest(r), 0);
        QCOMPARE(r.year, uint8_t(7));
        QCOMPARE(r.values[5], uint16_t(0xBEEF));
        QCOMPARE(sim.RemoveOldest(), 1);
        QCOMPARE(sim.Count, 0);
    }

    void readOldestTwiceGivesSameRecord() {
        clock.SetLocal(At(2024, 5, 3, 14, 37));
        TCommSim sim(env);
        sim.Tick();
        clock.Advance(60);
        sim.Tick();
        SampleRecord a, b;
        QCOMPARE(sim.ReadOldest(a), 1);
        QCOMPARE(sim.ReadOldest(b), 1);
        QCOMPARE(SampleRecordToBytes(a), SampleRecordToBytes(b));
        QCOMPARE(a.values[0], uint16_t(37));
        sim.RemoveOldest();
        QCOMPARE(sim.ReadOldest(b), 1);
        QCOMPARE(b.values[0], uint16_t(38));
    }

    void clockPutBackQueuesEarlierMinute() {
        clock.SetLocal(At(2024, 10, 27, 3, 10));
        TCommSim sim(env);
        sim.Tick();
        clock.Advance(-3600);
        sim.Tick();
        QCOMPARE(sim.Count, 2);
        QCOMPARE(sim.Queue[1].minute, uint16_t(26 * 1440 + 2 * 60 + 10));
        QVERIFY(sim.Queue[1].minute < sim.Queue[0].minute);
    }

    void fixedAnswers() {
        clock.SetLocal(At(2031, 12, 24, 23, 59, 58));
        TCommSim sim(env);
        DeviceInfo info;
        QCOMPARE(sim.GetInfo(info), 1);
        QCOMPARE(QList<int>({info.versionMajor, info.versionMinor, info.releaseYear,
                             info.releaseMonth, info.releaseDay}),
                 QList<int>({1, 10, 12, 11, 14}));
        DeviceClock c;
        QCOMPARE(sim.GetClock(c), 1);
        QCOMPARE(QList<int>({c.year, c.month, c.day, c.hour, c.minute, c.second}),
                 QList<int>({51, 12, 24, 23, 59, 58}));
        QCOMPARE(sim.SetClock(DeviceClock{}), 1);
        uint8_t b = 0;
        QCOMPARE(sim.ReadByte(3, b), 1);
        QCOMPARE(b, uint8_t(255));
        QCOMPARE(sim.WriteByte(3, 1), 1);
        QCOMPARE(sim.NoConnection, 0);
    }

    void sampleRecordBytes() {
        SampleRecord r;
        r.year = 44;
        r.month = 12;
        r.minute = 0xAE9F; // 44703 does not occur, but the field holds 16 bits
        for (int i = 0; i < ChannelCount; ++i)
            r.values[i] = static_cast<uint16_t>(0x0100 * (i + 1) + 0xF0 + i);
        const QByteArray b = SampleRecordToBytes(r);
        QCOMPARE(b.size(), 32);
        QCOMPARE(b.left(4), QByteArray("\x2C\x0C\x9F\xAE", 4));
        QCOMPARE(b.mid(4, 4), QByteArray("\xF0\x01\xF1\x02", 4));
        QCOMPARE(b.right(2), QByteArray("\xFD\x0E", 2));

        const QByteArray framed = QByteArray("xyz") + b;
        const SampleRecord back = SampleRecordFromBytes(framed, 3);
        QCOMPARE(SampleRecordToBytes(back), b);
        QCOMPARE(back.minute, uint16_t(0xAE9F));
        QCOMPARE(back.values[13], uint16_t(0x0EFD));
    }
};

QTEST_GUILESS_MAIN(TestCommSim)
#include "tst_commsim.moc"
