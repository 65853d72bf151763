#include "Cfakeunit.h"
#include "Frawpty.h"

#include "comm/Ccommbase.h"
#include "comm/Cnotices.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "support/Crecordingmessages.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Counts the notices; each stays open for openMs on the clock.
class TCountingNotices : public TNotices {
public:
    explicit TCountingNotices(TSimClock& clock) : FClock(clock) {}
    void TimeDiff() override { ++timeDiffs; }
    void Disconnect() override {
        ++disconnects;
        FClock.SetTick(FClock.TickCount() + openMs);
    }

    int timeDiffs = 0;
    int disconnects = 0;
    uint32_t openMs = 0;

private:
    TSimClock& FClock;
};

// A pseudo-terminal pair standing in for a serial line; the fake unit's end
// is the master.
struct PtyPair {
    int master = -1;
    int slave = -1;
    QByteArray slavePath;

    bool Open() { return OpenRawPty(master, slave, slavePath); }
    ~PtyPair() {
        if (slave >= 0)
            close(slave);
        if (master >= 0)
            close(master);
    }
};

SampleRecord RecordAt(const LocalTime& t) {
    SampleRecord r;
    r.year = static_cast<uint8_t>(t.year - 1980);
    r.month = static_cast<uint8_t>(t.month);
    r.minute = static_cast<uint16_t>((t.day - 1) * 1440 + t.hour * 60 + t.minute);
    return r;
}

} // namespace

Q_DECLARE_METATYPE(LocalTime)

class TestCommLink : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock;
    TRecordingMessages messages;
    TEnv env;

    void WriteIni(const QByteArray& key, const QByteArray& value) {
        TIniFile ini(env.IniPath());
        QVERIFY(ini.WriteString(IniSection, key, value));
    }

private slots:
    void init() {
        QFile::remove(env.IniPath());
        clock = TSimClock();
        messages.Clear();
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        env.notices = nullptr;
    }

    void plausibleWithin30Days_data() {
        QTest::addColumn<LocalTime>("time");
        QTest::newRow("leap year, 1 March") << LocalTime{2024, 3, 1, 0, 0, 0};
        QTest::newRow("ordinary year, 1 March") << LocalTime{2023, 3, 1, 0, 0, 0};
        QTest::newRow("2000 is a leap year") << LocalTime{2000, 3, 1, 12, 30, 0};
        QTest::newRow("29 February") << LocalTime{2000, 2, 29, 23, 59, 0};
        QTest::newRow("end of a leap year") << LocalTime{2024, 12, 31, 23, 59, 0};
        QTest::newRow("first minute of 1980") << LocalTime{1980, 1, 1, 0, 0, 0};
        QTest::newRow("1981 follows a leap year") << LocalTime{1981, 1, 1, 0, 0, 0};
        QTest::newRow("2096") << LocalTime{2096, 7, 15, 8, 1, 0};
    }

    // The window is checked minute-exact on both sides, so a record placed
    // even one minute off would flip one of the four answers.
    void plausibleWithin30Days() {
        QFETCH(LocalTime, time);
        TFakeUnit link(env);
        const SampleRecord r = RecordAt(time);
        const int64_t at = SecondsFromLocal(time);
        clock.SetSeconds(at);
        QVERIFY(link.IsTimePlausible(r));
        clock.SetSeconds(at + 43200 * 60 + 59);
        QVERIFY(link.IsTimePlausible(r));
        clock.SetSeconds(at + 43201 * 60);
        QVERIFY(!link.IsTimePlausible(r));
        clock.SetSeconds(at - 43200 * 60);
        QVERIFY(link.IsTimePlausible(r));
        clock.SetSeconds(at - 43201 * 60);
        QVERIFY(!link.IsTimePlausible(r));
    }

    void monthOutsideCalendarIsNotPlausible() {
        TFakeUnit link(env);
        clock.SetLocal({2024, 1, 1, 0, 0, 0});
        SampleRecord r = RecordAt({2024, 1, 1, 0, 0, 0});
        r.month = 0;
        QVERIFY(!link.IsTimePlausible(r));
        r.month = 13;
        QVERIFY(!link.IsTimePlausible(r));
    }

    void reminderOnlyWhileNoConnection() {
        TCountingNotices notices(clock);
        env.notices = &notices;
        TFakeUnit link(env);
        clock.SetTick(10'000'000);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 0);
        QCOMPARE(link.TickNow, 0u);
    }

    void reminderEveryFiveMinutesAfterClosing() {
        TCountingNotices notices(clock);
        notices.openMs = 20000;
        env.notices = &notices;
        TFakeUnit link(env);
        link.NoConnection = 1;

        clock.SetTick(300000);
        link.RemindNoConnection();
        QCOMPARE(link.TickNow, 300000u);
        QCOMPARE(notices.disconnects, 0);

        clock.SetTick(300001);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 1);
        QCOMPARE(link.LastNoticeTick, 320001u); // taken after the notice closed

        clock.SetTick(320001 + 300000);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 1);
        clock.SetTick(320001 + 300001);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 2);
    }

    void reminderAcrossTickWrap() {
        TCountingNotices notices(clock);
        env.notices = &notices;
        TFakeUnit link(env);
        link.NoConnection = 1;
        link.LastNoticeTick = 0xFFFFFFFFu - 99999; // 100000 ms before the wrap to 0

        // Close to the wrap the five minutes must not overflow into "always".
        clock.SetTick(0xFFFFFFFFu - 50000);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 0);
        // Wrapped, 300000 ms after the last notice: not yet.
        clock.SetTick(200000);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 0);
        // Wrapped, 300001 ms after the last notice.
        clock.SetTick(200001);
        link.RemindNoConnection();
        QCOMPARE(notices.disconnects, 1);
        QCOMPARE(link.LastNoticeTick, 200001u);
    }

    void portSettings_data() {
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<int>("baudRate");
        QTest::newRow("defaults") << QByteArray() << QByteArray() << 2 << 19200;
        QTest::newRow("set") << QByteArray("3") << QByteArray("9600") << 3 << 9600;
        QTest::newRow("odd speed") << QByteArray("1") << QByteArray("14400") << 1 << 14400;
        QTest::newRow("cut to 16 bits")
            << QByteArray("65540") << QByteArray("70000") << 4 << 70000 - 65536;
        QTest::newRow("no port") << QByteArray("0") << QByteArray("0") << 0 << 0;
    }

    void portSettings() {
        QFETCH(QByteArray, port);
        QFETCH(QByteArray, speed);
        QFETCH(int, portNumber);
        QFETCH(int, baudRate);
        if (!port.isEmpty())
            WriteIni("Kommunikationsport", port);
        if (!speed.isEmpty())
            WriteIni("Baudrate", speed);
        TFakeUnit link(env);
        link.ReadPortSettings();
        QCOMPARE(int(link.PortNumber), portNumber);
        QCOMPARE(int(link.BaudRate), baudRate);
        QCOMPARE(link.PortName(), QString("COM%1").arg(portNumber));
    }

    void portDevices() {
        WriteIni("COM3", "/dev/ttyUSB0");
        const TIniFile ini(env.IniPath());
        QCOMPARE(PortDevice(ini, 1), QString("/dev/ttyS0"));
        QCOMPARE(PortDevice(ini, 2), QString("/dev/ttyS1"));
        QCOMPARE(PortDevice(ini, 3), QString("/dev/ttyUSB0"));
        QCOMPARE(PortDevice(ini, 4), QString("/dev/ttyS3"));
        QCOMPARE(PortDevice(ini, 0), QString());
        QCOMPARE(PortDevice(ini, 5), QString());
    }

    void openPortOnPseudoTerminal() {
        PtyPair pty;
        QVERIFY(pty.Open());
        WriteIni("COM2", pty.slavePath);
        WriteIni("Baudrate", "14400");
        // Left over on the line before the port is opened: must be discarded.
        QCOMPARE(write(pty.master, "old", 3), ssize_t(3));

        TFakeUnit link(env);
        QVERIFY(!link.PortHandle);
        QVERIFY(link.Start());
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(link.PortNumber, uint16_t(2));
        QCOMPARE(link.infoCalls, 1);
        QVERIFY(link.portOpenAtInfo);
        QVERIFY(link.PortHandle && link.PortHandle->isOpen());
        QCOMPARE(link.PortHandle->baudRate(), 14400);
        QCOMPARE(link.PortHandle->dataBits(), QSerialPort::Data8);
        QCOMPARE(link.PortHandle->parity(), QSerialPort::NoParity);
        QCOMPARE(link.PortHandle->stopBits(), QSerialPort::OneStop);

        QCOMPARE(write(pty.master, "B", 1), ssize_t(1));
        QVERIFY(link.PortHandle->waitForReadyRead(5000));
        QCOMPARE(link.PortHandle->readAll(), QByteArray("B"));

        // Opening again first lets go of the port (it is held exclusively).
        QVERIFY(link.OpenPort());
        QVERIFY(messages.shown.isEmpty());
        link.ClosePort();
        QVERIFY(!link.PortHandle);
        link.ClosePort();
    }

    void openPortFailures_data() {
        QTest::addColumn<bool>("device");
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<int>("infoResult");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing device")
            << false << QByteArray("19200") << 1 << "Communications port COM2 cannot connected!";
        QTest::newRow("speed 0") << true << QByteArray("0") << 1
                                 << "Communications port COM2 it can not be initialized!";
        QTest::newRow("speed cut to 0") << true << QByteArray("65536") << 1
                                        << "Communications port COM2 it can not be initialized!";
        QTest::newRow("unit silent") << true << QByteArray("19200") << 0
                                     << "Es besteht keine Verbindung zum Akquisitionssystem!";
    }

    void openPortFailures() {
        QFETCH(bool, device);
        QFETCH(QByteArray, speed);
        QFETCH(int, infoResult);
        QFETCH(QString, text);
        PtyPair pty;
        QVERIFY(pty.Open());
        WriteIni("COM2", device ? pty.slavePath : dir.filePath("ttyNone").toLocal8Bit());
        WriteIni("Baudrate", speed);

        TFakeUnit link(env);
        link.infoResult = infoResult;
        QVERIFY(!link.Start());
        QVERIFY(!link.PortHandle);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, TMessages::Information);
        // The message names the port tried and where it is chosen.
        const QString tried =
            device ? QString::fromLocal8Bit(pty.slavePath) : dir.filePath("ttyNone");
        QCOMPARE(messages.shown[0].text, text + "\nTried: COM2 (" + tried +
                                             "). The port of the unit is chosen under "
                                             "Admin › Communications parameter...");

        // The port was let go: it can be taken again.
        if (device) {
            QSerialPort again(QString::fromLocal8Bit(pty.slavePath));
            QVERIFY(again.open(QIODevice::ReadWrite));
        }
    }

    void portNotMappedCannotConnect() {
        WriteIni("Kommunikationsport", "7");
        TFakeUnit link(env);
        QVERIFY(!link.Start());
        QCOMPARE(messages.Texts(),
                 QStringList{"Communications port COM7 cannot connected!\nTried: COM7. The port "
                             "of the unit is chosen under Admin › Communications parameter..."});
        QCOMPARE(link.infoCalls, 0);
    }
};

QTEST_GUILESS_MAIN(TestCommLink)
#include "tst_commlink.moc"
