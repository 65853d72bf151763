#include "Fctlrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Channel 1 of the simulator reads the minute of the hour (0 .. 59): with
// "high 50, hysteresis 5, delay 2" it is beyond from :51, raises at :53 and
// clears at the next :00.
const QByteArray Ini = "[ZEDA]\nKanal_1=1,Temp,C,0,1,0,100,0,0,0,0,0\n"
                       "Kanal_2=1,Druck,bar,0,1,0,100,0,0,0,0,0\n"
                       "[Alarms]\nKanal_1=high=50,hysteresis=5,delay=2\n";

bool MakeDataDir(const QString& dir) {
    QFile f(dir + "/zeda.ini");
    return QDir().mkpath(dir) && f.open(QIODevice::WriteOnly) && f.write(Ini) == Ini.size();
}

QStringList Simulate(const QString& dir, const QString& minutes) {
    return {"simulate", "--data-dir", dir, "--from", "2026-03-10 08:00", "--minutes", minutes};
}

} // namespace

class TestZedactlAlarms : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void limitsAreSetListedAndCleared() {
        const QString data = dir.filePath("limits");
        QVERIFY(MakeDataDir(data));
        QCOMPARE(Ctl({"alarms", "set", "3", "--data-dir", data, "--high", "95", "--hysteresis",
                      "1.5", "--delay", "2", "--latched"})
                     .exitCode,
                 0);
        QCOMPARE(Ctl({"alarms", "set", "3", "--data-dir", data, "--highhigh", "110.0"}).exitCode, 0);
        Run r = Ctl({"alarms", "list", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("1 high=50.0,low=,highhigh=,lowlow=,hysteresis=5.0,delay=2,"
                                   "latched=0\n3 high=95.0,low=,highhigh=110.0,lowlow=,"
                                   "hysteresis=1.5,delay=2,latched=1\n"));
        r = Ctl({"alarms", "set", "3", "--data-dir", data, "--highhigh", "90"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("The alarm field \\\"highhigh\\\" must lie above \\\"high\\\"!") ||
                     r.err.contains("The alarm field \"highhigh\" must lie above \"high\"!"),
                 r.err.constData());
        r = Ctl({"alarms", "set", "3", "--data-dir", data, "--delay", "2000"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("delay"), r.err.constData());
        QCOMPARE(Ctl({"alarms", "set", "15", "--data-dir", data, "--high", "1"}).exitCode, 2);
        QCOMPARE(Ctl({"alarms", "clear", "3", "--data-dir", data}).exitCode, 0);
        QCOMPARE(Ctl({"alarms", "set", "1", "--data-dir", data, "--high", ""}).exitCode, 0);
        QCOMPARE(Ctl({"alarms", "list", "--data-dir", data}).out, QByteArray());
    }

    void simulationLogsEveryAlarm() {
        const QString data = dir.filePath("sim");
        QVERIFY(MakeDataDir(data));
        QCOMPARE(Ctl(Simulate(data, "240")).exitCode, 0);
        const Run r = Ctl({"alarms", "log", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("2026-03-10 08:53\t2026-03-10 09:00\t1\tTemp\thigh\t50.0\t59.0\tC\t-\t-\n"
                                   "2026-03-10 09:53\t2026-03-10 10:00\t1\tTemp\thigh\t50.0\t59.0\tC\t-\t-\n"
                                   "2026-03-10 10:53\t2026-03-10 11:00\t1\tTemp\thigh\t50.0\t59.0\tC\t-\t-\n"
                                   "2026-03-10 11:53\t-\t1\tTemp\thigh\t50.0\t53.0\tC\t-\t-\n"));
        const Run active = Ctl({"alarms", "log", "--data-dir", data, "--active", "--json"});
        QCOMPARE(active.out.count('\n'), 1);
        QVERIFY(active.out.startsWith("{\"event\":\"raised\",\"raised\":\"2026-03-10 11:53\""));
        QCOMPARE(Ctl({"alarms", "log", "--data-dir", data, "--from", "2026-03-10 09:00", "--to",
                      "2026-03-10 10:59"})
                     .out.count('\n'),
                 2);
    }

    // Limits set afterwards: evaluate prints what they find and leaves the
    // log alone unless asked; asked twice, it adds nothing twice.
    void evaluateTouchesTheLogOnlyWhenAsked() {
        const QString data = dir.filePath("evaluate");
        QVERIFY(MakeDataDir(data));
        QCOMPARE(Ctl(Simulate(data, "120")).exitCode, 0);
        const QByteArray before = ReadFile(data + "/alarms.log");
        // Channel 2 reads 10 + the minute: below 12 at :00 and :01.
        QCOMPARE(Ctl({"alarms", "set", "2", "--data-dir", data, "--low", "12"}).exitCode, 0);
        const QString file = data + "/D2026-03.ZMF";
        Run r = Ctl({"alarms", "evaluate", file, "--data-dir", data, "--from", "2026-03-10 08:30",
                     "--to", "2026-03-10 09:30"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(ReadFile(data + "/alarms.log"), before);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4); // channel 1 raise and clear, channel 2 raise and clear
        QVERIFY(lines[1].contains("\"cleared\":\"2026-03-10 09:00\",") &&
                lines[1].contains("\"channel\":1,"));
        QVERIFY(lines[2].contains("\"raised\":\"2026-03-10 09:00\",") &&
                lines[2].contains("\"kind\":\"low\""));
        QVERIFY(lines[3].contains("\"cleared\":\"2026-03-10 09:02\","));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(Ctl({"alarms", "evaluate", file, "--data-dir", data, "--write-log"}).exitCode,
                     0);
        // Channel 1's three lines stay alone; channel 2 adds its alarms of
        // 08:00 and 09:00, raised and cleared.
        QCOMPARE(ReadFile(data + "/alarms.log").count('\n'), 3 + 4);
    }

    // Killed in the middle of the acquisition and run again over the same
    // minutes (the unit hands over what it still holds), the log holds each
    // alarm once and none is lost.
    void killDuringAcquisitionLogsEachAlarmOnce() {
        const QString reference = dir.filePath("reference");
        const QString killed = dir.filePath("killed");
        QVERIFY(MakeDataDir(reference));
        QVERIFY(MakeDataDir(killed));
        // 30 days over the month's end: 720 raises at :53, 719 clears at :00.
        const QString minutes = "43200";
        QCOMPARE(Ctl(Simulate(reference, minutes)).exitCode, 0);
        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH), Simulate(killed, minutes));
        QTRY_VERIFY_WITH_TIMEOUT(ReadFile(killed + "/alarms.log").count('\n') >= 9, 60000);
        p.kill();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit); // killed in the middle
        QCOMPARE(Ctl(Simulate(killed, minutes)).exitCode, 0);
        const Run want = Ctl({"alarms", "log", "--data-dir", reference, "--json"});
        const Run got = Ctl({"alarms", "log", "--data-dir", killed, "--json"});
        QCOMPARE(want.out.count('\n'), 720);
        QCOMPARE(ReadFile(killed + "/alarms.log").count('\n'), 1439);
        QCOMPARE(got.out, want.out);
    }
};

QTEST_GUILESS_MAIN(TestZedactlAlarms)
#include "tst_zedactlalarms.moc"
