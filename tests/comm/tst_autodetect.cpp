#include "Cptyunit.h"
#include "comm/Ccommsim.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "support/Crecordingmessages.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// The PC clock whose millisecond tick count starts shortly before it wraps
// to 0.
class TWrappingClock : public TSystemClock {
public:
    explicit TWrappingClock(uint32_t start) : FStart(start) { FTimer.start(); }
    uint32_t TickCount() const override { return FStart + uint32_t(FTimer.elapsed()); }

private:
    uint32_t FStart;
    QElapsedTimer FTimer;
};

// Notes every try; cancels at the try given (counted from 1).
class TNotingObserver : public TDetectObserver {
public:
    bool Trying(const QString& port, uint32_t speed) override {
        tries << QStringLiteral("%1 %2").arg(port).arg(speed);
        return tries.size() != cancelAt;
    }
    bool Wait(uint32_t ms) override {
        QThread::msleep(ms);
        return true;
    }

    QStringList tries;
    qsizetype cancelAt = -1;
};

QByteArray Answering(const QByteArray& bytes) {
    return bytes;
}

} // namespace

class TestAutoDetect : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSystemClock clock;
    TRecordingMessages messages;
    TEnv env;

    void SetPorts(const QList<QByteArray>& devices) {
        TIniFile ini(env.IniPath());
        for (int i = 0; i < devices.size(); ++i) {
            const QByteArray device =
                devices[i].isEmpty() ? dir.filePath("missing").toLocal8Bit() : devices[i];
            QVERIFY(ini.WriteString(IniSection, "COM" + QByteArray::number(i + 1), device));
        }
    }

private slots:
    void init() {
        QFile::remove(env.IniPath());
        messages.Clear();
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
    }

    // COM1 is missing; COM2 answers with a wrong byte at the three high
    // speeds and with two bytes at the three low ones; COM3 answers 'B' at
    // 9600 only. The search tries COM2 at all six speeds in order, then
    // COM3 at 19200 and 9600, and stops there.
    void unitFoundAfterTheEarlierPortsAtAllSpeeds() {
        TPtyUnit noisy([](int baud) { return Answering(baud >= 4800 ? "X" : "BB"); });
        TPtyUnit unit([](int baud) { return Answering(baud == 9600 ? "B" : ""); });
        TPtyUnit never([](int) { return QByteArray("B"); });
        QVERIFY(noisy.IsOpen() && unit.IsOpen() && never.IsOpen());
        SetPorts({{}, noisy.Path(), unit.Path(), never.Path()});

        TCommSim link(env);
        TNotingObserver observer;
        uint16_t port = 0;
        uint32_t speed = 0;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(link.AutoDetect(port, speed, &observer));
        QCOMPARE(port, uint16_t(3));
        QCOMPARE(speed, 9600u);
        QCOMPARE(observer.tries, (QStringList{"COM2 19200", "COM2 9600", "COM2 4800", "COM2 2400",
                                              "COM2 1200", "COM2 600", "COM3 19200", "COM3 9600"}));
        QCOMPARE(noisy.Heard(), (QList<int>{19200, 9600, 4800, 2400, 1200, 600}));
        QCOMPARE(unit.Heard(), (QList<int>{19200, 9600}));
        QVERIFY(never.Heard().isEmpty());
        QVERIFY(timer.elapsed() >= 8 * 200);
        // The search leaves the link's own port alone and shows nothing.
        QVERIFY(!link.PortHandle);
        QVERIFY(messages.shown.isEmpty());
    }

    // The wait compares the unsigned difference of tick counts: with the
    // counter wrapping during the wait it neither ends at once (and misses
    // an answer that needs 50 ms) nor runs on for ever.
    void handshakeWaitAcrossTickWrap() {
        TWrappingClock wrapping(0xFFFFFFFFu - 20);
        env.clock = &wrapping;
        TPtyUnit unit([](int) { return QByteArray("B"); }, 50);
        QVERIFY(unit.IsOpen());
        SetPorts({unit.Path(), {}, {}, {}});
        TCommSim link(env);
        uint16_t port = 0;
        uint32_t speed = 0;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(link.AutoDetect(port, speed));
        QVERIFY(timer.elapsed() >= 200);
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(port, uint16_t(1));
        QCOMPARE(speed, 19200u);
    }

    void cancelOrNothingFound() {
        TPtyUnit silent([](int) { return QByteArray(); });
        QVERIFY(silent.IsOpen());
        SetPorts({silent.Path(), {}, {}, {}});
        TCommSim link(env);
        TNotingObserver observer;
        observer.cancelAt = 2;
        uint16_t port = 7;
        uint32_t speed = 7;
        QVERIFY(!link.AutoDetect(port, speed, &observer));
        QCOMPARE(observer.tries, (QStringList{"COM1 19200", "COM1 9600"}));
        QCOMPARE(silent.Heard(), QList<int>{19200});
        QCOMPARE(port, uint16_t(7));

        // No port opens at all: over at once.
        SetPorts({{}, {}, {}, {}});
        QVERIFY(!link.AutoDetect(port, speed));
    }
};

QTEST_GUILESS_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
