#include "comm/Cacquisition.h"
#include "comm/Ccommserial.h"
#include "comm/Ccommsim.h"
#include "comm/Cnotices.h"
#include "comm/Cseriallink.h"
#include "comm/Fcommlink.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "support/Crecordingmessages.h"
#include "support/Cunitprocess.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Counts the no-connection notices.
class TCountingNotices : public TNotices {
public:
    void TimeDiff() override { ++timeDiffs; }
    void Disconnect() override { ++disconnects; }
    int timeDiffs = 0;
    int disconnects = 0;
};

const LocalTime From{2026, 3, 10, 14, 0, 0};
constexpr int Minutes = 60;

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The month file the simulator path writes for the same minutes.
QByteArray SimulatorMonthFile(const QString& dataDir) {
    QDir().mkpath(dataDir);
    TSimClock clock(SecondsFromLocal(From));
    TRecordingMessages messages;
    TEnv env;
    env.dataDir = dataDir;
    env.clock = &clock;
    env.messages = &messages;
    TConfig config(env.IniPath());
    TCommSim sim(env);
    MonthDocument document;
    TFileAct file(&document, env, config);
    TAcquisition acquisition(env, sim, file, document);
    for (int m = 0; m < Minutes; ++m) {
        sim.Tick();
        acquisition.RunCycle();
        clock.Advance(60);
    }
    return ReadFile(dataDir + "/D2026-03.ZMF");
}

int FaultCount(const QByteArray& report, const char* kind) {
    const QRegularExpression count(QStringLiteral("(\\d+) %1").arg(QLatin1String(kind)));
    const QRegularExpressionMatch m = count.match(QString::fromUtf8(report));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestCommSerial : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // The PC clock half an hour into the unit's records: all plausible.
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 30, 0}), 10'000'000};
    TRecordingMessages messages;
    TCountingNotices notices;
    TEnv env;

    bool UseUnit(const QString& name, const QByteArray& path) {
        env.dataDir = dir.filePath(name);
        if (!QDir().mkpath(env.dataDir))
            return false;
        TIniFile ini(env.IniPath());
        return ini.WriteString(IniSection, "Unit", "serial") &&
               ini.WriteString(IniSection, "COM2", path) &&
               ini.WriteString(IniSection, "Baudrate", "57600");
    }

private slots:
    void init() {
        messages.Clear();
        notices = {};
        env.clock = &clock;
        env.messages = &messages;
        env.notices = &notices;
    }

    void anHourOverTheLine_data() {
        QTest::addColumn<QString>("faults");
        QTest::newRow("clean line") << QString();
        QTest::newRow("dropped bytes, corrupt frames, silence")
            << QString("drop-byte,corrupt-frame,silence");
    }

    // An hour of records over the serial line gives the very month file the
    // simulator path writes: across damaged and missing answers no record
    // is lost, doubled or stored from a frame that failed its check, and the
    // no-connection notice comes while the unit is silent and not after.
    void anHourOverTheLine() {
        QFETCH(QString, faults);
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QStringList options = {"--baud",  "57600",   "--from",    "2026-03-10 14:00",
                               "--speed", "1000000", "--records", QString::number(Minutes),
                               "--seed",  "1"};
        if (!faults.isEmpty())
            options << "--faults" << faults;
        QVERIFY(unit.Start(options));
        const QString name = faults.isEmpty() ? "clean" : "faults";
        QVERIFY(UseUnit(name, unit.Path()));
        QCOMPARE(ReadUnitKind(env), UnitKind::Serial);

        const std::unique_ptr<TCommBase> comm = CreateComm(env);
        auto* link = dynamic_cast<TCommSerial*>(comm.get());
        QVERIFY(link);
        QVERIFY2(link->Start(), qPrintable(messages.Texts().join('\n')));
        TConfig config(env.IniPath());
        MonthDocument document;
        TFileAct file(&document, env, config);
        TAcquisition acquisition(env, *link, file, document);
        bool wasCut = false;
        for (int cycle = 0; cycle < 200 && acquisition.StoredCount() < Minutes; ++cycle) {
            acquisition.RunCycle();
            wasCut = wasCut || link->NoConnection != 0;
            link->RemindNoConnection();
        }
        SampleRecord rest;
        QCOMPARE(link->ReadOldest(rest), 0);
        QCOMPARE(acquisition.StoredCount(), Minutes);
        QCOMPARE(link->NoConnection, 0);

        const QByteArray stored = ReadFile(env.dataDir + "/D2026-03.ZMF");
        QVERIFY(!stored.isEmpty());
        QVERIFY(stored == SimulatorMonthFile(dir.filePath(name + "-sim")));
        QVERIFY(!messages.Texts().join('\n').contains("Error"));

        const QByteArray report = unit.Stop();
        if (faults.isEmpty()) {
            QCOMPARE(link->Link().repeats, 0);
            QVERIFY(!wasCut);
            QCOMPARE(notices.disconnects, 0);
        } else {
            QVERIFY2(FaultCount(report, "drop-byte") > 0, report.constData());
            QVERIFY2(FaultCount(report, "corrupt-frame") > 0, report.constData());
            QVERIFY2(FaultCount(report, "silence") > 0, report.constData());
            // A silence of a few requests cut the link for 55 s and brought
            // the notice; it is bridged within the cycle now.
            QVERIFY(!wasCut);
            QCOMPARE(notices.disconnects, 0);
        }
    }

    void operationsOverTheLine() {
        TUnitProcess unit(ZEDA_UNIT_PATH);
        // The clock runs in real time, so the one record stays the only one.
        QVERIFY(unit.Start({"--baud", "57600", "--from", "2026-03-10 14:37", "--records", "1"}));
        QVERIFY(UseUnit("ops", unit.Path()));
        TCommSerial link(env);
        QVERIFY(link.Start());

        DeviceInfo info;
        QCOMPARE(link.GetInfo(info), 1);
        QCOMPARE(info.versionMinor, uint8_t(10));
        QCOMPARE(info.releaseYear, uint8_t(12));
        int32_t count = 0;
        QCOMPARE(link.GetRecordCount(count), 1);
        QCOMPARE(count, 1);

        // The oldest comes again until it is removed.
        SampleRecord a;
        SampleRecord b;
        QCOMPARE(link.ReadOldest(a), 1);
        QCOMPARE(link.ReadOldest(b), 1);
        QCOMPARE(SampleRecordToBytes(a), SampleRecordToBytes(b));
        QCOMPARE(a.minute, uint16_t(9 * 1440 + 14 * 60 + 37));
        QCOMPARE(a.values[1], uint16_t(10 + 37));
        QCOMPARE(link.RemoveOldest(), 1);
        QCOMPARE(link.RemoveOldest(), 1); // nothing delivered: nothing removed
        QCOMPARE(link.ReadOldest(b), 0);
        QCOMPARE(link.GetRecordCount(count), 1);
        QCOMPARE(count, 0);

        QCOMPARE(link.NoConnection, 0);
    }

    // Without a port every operation fails at once and the link counts as
    // cut off.
    void noPortNoConnection() {
        QVERIFY(UseUnit("none", dir.filePath("missing").toLocal8Bit()));
        TCommSerial link(env);
        QVERIFY(!link.Start());
        QCOMPARE(
            messages.Texts(),
            QStringList{
                "Communications port COM2 cannot connected!\nTried: COM2 (" +
                dir.filePath("missing") +
                "). The port of the unit is chosen under Admin › Communications parameter..."});
        SampleRecord r;
        QCOMPARE(link.ReadOldest(r), -1);
        QCOMPARE(link.NoConnection, 1);
        DeviceInfo info;
        QCOMPARE(link.GetInfo(info), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommSerial)
#include "tst_commserial.moc"
