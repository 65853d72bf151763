#include "Fctlrun.h"
#include "config/Cdatadirlock.h"
#include "support/Cunitprocess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A data directory whose INI file names the serial driver with the unit on
// COM2 and no device behind the other ports.
bool SerialDataDir(const QString& dir, const QByteArray& unitPath) {
    if (!QDir().mkpath(dir))
        return false;
    const QByteArray none = (dir + "/none").toLocal8Bit();
    QFile ini(dir + "/zeda.ini");
    const QByteArray text = "[ZEDA]\nUnit=serial\nCOM1=" + none + "\nCOM2=" + unitPath +
                            "\nCOM3=" + none + "\nCOM4=" + none + "\n";
    return ini.open(QIODevice::WriteOnly) && ini.write(text) == text.size();
}

} // namespace

class TestZedactlUnit : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void unitCommandsTalkToTheUnit() {
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QVERIFY(unit.Start({"--baud", "19200", "--records", "1"}));
        const QString data = dir.filePath("unit");
        QVERIFY(SerialDataDir(data, unit.Path()));

        Run r = Ctl({"unit", "detect", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("COM2 19200\n"));

        r = Ctl({"unit", "info", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QByteArray("Firmware-Release: 1.10  -/- 1992.11.14"));
        QVERIFY(lines[1].startsWith("System time: "));
        QCOMPARE(lines[2], QByteArray("Channels: 1"));

        r = Ctl({"unit", "values", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> values = r.out.trimmed().split('\n');
        QCOMPARE(values.size(), 14);
        QVERIFY(values[0].startsWith("Channel   1: 00"));
        const int minute = values[0].mid(13, 4).toInt();
        QVERIFY(values[13].startsWith(QByteArray("Channel  14: ") +
                                      QString::asprintf("%.4d", 130 + minute).toUtf8()));

        // The clock an hour ahead is taken; forty days ahead is refused.
        const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
        r = Ctl({"unit", "set-clock", ahead.toString("yyyy-MM-dd HH:mm:00"), "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        r = Ctl({"unit", "info", "--data-dir", data});
        QVERIFY2(r.out.contains(ahead.toString("yyyy.MM.dd  /  ").toUtf8()), r.out.constData());
        r = Ctl({"unit", "set-clock", ahead.addDays(40).toString("yyyy-MM-dd HH:mm:ss"),
                 "--data-dir", data});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("Date a difference of time is more than 30 days to date"));
        QCOMPARE(Ctl({"unit", "set-clock", "2026-02-30 10:00:00", "--data-dir", data}).exitCode, 2);

        // Nothing on any port.
        unit.Stop();
        r = Ctl({"unit", "detect", "--data-dir", data});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("warning: Auto detect NO!\n"));
    }

    // The ports as the INI file names them, then the devices present, each
    // under its stable name where it has one.
    void unitPortsListsTheFourPortsFirst() {
        const QString data = dir.filePath("ports");
        QVERIFY(SerialDataDir(data, "/dev/serial/by-id/usb-FTDI_Unit-if00-port0"));
        const Run r = Ctl({"unit", "ports", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QVERIFY(lines.size() >= 5);
        const QByteArray none = (data + "/none").toLocal8Bit();
        QCOMPARE(lines[0], "COM1  " + none);
        QCOMPARE(lines[1], QByteArray("COM2  /dev/serial/by-id/usb-FTDI_Unit-if00-port0"));
        QCOMPARE(lines[2], "COM3  " + none);
        QCOMPARE(lines[3], "COM4  " + none);
        for (qsizetype i = 4; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith("/dev/"), lines[i].constData());
    }

    // acquire stores what the unit holds into the same month files the
    // simulator path writes for those minutes, holding the data directory.
    void acquireStoresWhatTheUnitHolds() {
        const QString from =
            QDateTime::currentDateTime().addSecs(-3 * 3600).toString("yyyy-MM-dd HH:mm");
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QVERIFY(unit.Start(
            {"--baud", "19200", "--from", from, "--speed", "1000000", "--records", "30"}));
        const QString data = dir.filePath("acquire");
        QVERIFY(SerialDataDir(data, unit.Path()));
        {
            TDataDirLock other(data, "zeda");
            QVERIFY(other.TryLock("zeda"));
            const Run refused = Ctl({"acquire", "--data-dir", data, "--idle", "0"});
            QCOMPARE(refused.exitCode, 1);
            QVERIFY(refused.err.contains("is in use by zeda"));
        }
        const Run r = Ctl({"acquire", "--data-dir", data, "--idle", "1"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("records stored: 30\n"));

        const QString sim = dir.filePath("simulated");
        QVERIFY(QDir().mkpath(sim));
        QCOMPARE(Ctl({"simulate", "--data-dir", sim, "--from", from, "--minutes", "30"}).exitCode,
                 0);
        const QStringList files = QDir(sim).entryList({"D*.ZMF"}, QDir::Files);
        QVERIFY(!files.isEmpty());
        QCOMPARE(QDir(data).entryList({"D*.ZMF"}, QDir::Files), files);
        for (const QString& name : files)
            QVERIFY2(ReadFile(data + "/" + name) == ReadFile(sim + "/" + name), qPrintable(name));
    }

    // The fault: one byte dropped from the unit's first answer spent all
    // tries, opening failed and nothing opened the port again: "records
    // stored: 0" with status 0.
    void oneDroppedByteDoesNotShutTheLink() {
        TUnitProcess unit(ZEDA_UNIT_PATH);
        const QString from =
            QDateTime::currentDateTime().addSecs(-3 * 3600).toString("yyyy-MM-dd HH:mm");
        QVERIFY(unit.Start({"--faults", "drop-byte", "--seed", "15", "--from", from, "--speed",
                            "1000000", "--records", "10"}));
        const QString data = dir.filePath("dropped");
        QVERIFY(SerialDataDir(data, unit.Path()));
        const Run r = Ctl({"acquire", "--data-dir", data, "--idle", "1"});
        QCOMPARE(r.out, QByteArray("records stored: 10\n"));
        QCOMPARE(r.exitCode, 0);
        const QRegularExpressionMatch faults =
            QRegularExpression("(\\d+) drop-byte").match(QString::fromUtf8(unit.Stop()));
        QVERIFY(faults.hasMatch() && faults.captured(1).toInt() > 0);
    }

    void acquireExitsNonZeroWhenUnitNeverReached_data() {
        QTest::addColumn<bool>("device");
        QTest::newRow("no device") << false;
        QTest::newRow("unit silent at this speed") << true;
    }

    // The fault: status 0 although not one record could be fetched.
    void acquireExitsNonZeroWhenUnitNeverReached() {
        QFETCH(bool, device);
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QVERIFY(unit.Start({"--baud", "9600"})); // the INI file asks for 19200
        const QString data = dir.filePath(device ? "silent" : "nodevice");
        QVERIFY(SerialDataDir(data, device ? unit.Path() : (data + "/none").toLocal8Bit()));
        const Run r = Ctl({"acquire", "--data-dir", data, "--idle", "0"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QByteArray("records stored: 0\n"));
        QVERIFY(r.err.endsWith("error: Es besteht keine Verbindung zum Akquisitionssystem!\n"));
    }

    // The fault: status 0 although the unit stopped answering before its
    // records were all fetched.
    void acquireExitsNonZeroWhenLinkLostAtTheEnd() {
        TUnitProcess unit(ZEDA_UNIT_PATH);
        const QString from =
            QDateTime::currentDateTime().addSecs(-3 * 3600).toString("yyyy-MM-dd HH:mm");
        QVERIFY(unit.Start({"--from", from, "--speed", "1000000", "--records", "1"}));
        const QString data = dir.filePath("lost");
        QVERIFY(SerialDataDir(data, unit.Path()));
        QProcess acquire;
        acquire.start(ZEDACTL_PATH, {"acquire", "--data-dir", data, "--idle", "2"});
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(data).entryList({"D*.ZMF"}, QDir::Files).isEmpty(), 10000);
        unit.Stop();
        QVERIFY(acquire.waitForFinished(20000));
        QCOMPARE(acquire.exitCode(), 1);
        QCOMPARE(acquire.readAllStandardOutput(), QByteArray("records stored: 1\n"));
        QVERIFY(acquire.readAllStandardError().endsWith(
            "error: Es besteht keine Verbindung zum Akquisitionssystem!\n"));
    }

    // SIGTERM ends the service only after the cycle under way: every record
    // that left the unit is in the files, so the records stored by the
    // service and by a later drain add up to the unit's, and the files are
    // those of the same minutes simulated.
    void sigtermEndsFollowAfterTheMinuteInFlightIsOnDisk() {
        const QString from =
            QDateTime::currentDateTime().addSecs(-3 * 3600).toString("yyyy-MM-dd HH:mm");
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QVERIFY(
            unit.Start({"--baud", "19200", "--from", from, "--speed", "20", "--records", "40"}));
        const QString data = dir.filePath("follow");
        QVERIFY(SerialDataDir(data, unit.Path()));
        QProcess service;
        service.start(ZEDACTL_PATH, {"acquire", "--follow", "--tick", "10", "--data-dir", data});
        QVERIFY(service.waitForStarted());
        const QStringList name = {"D*.ZMF"};
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(data).entryList(name, QDir::Files).isEmpty(), 20000);
        TDataDirLock lock(data, "zeda");
        QVERIFY(!lock.TryLock("zeda"));
        QCOMPARE(lock.HolderProgram(), QString("zeda-acquire"));
        service.terminate();
        QVERIFY(service.waitForFinished(20000));
        QCOMPARE(service.exitStatus(), QProcess::NormalExit);
        QCOMPARE(service.exitCode(), 0);
        const QRegularExpressionMatch first =
            QRegularExpression("^records stored: (\\d+)\n$")
                .match(QString::fromUtf8(service.readAllStandardOutput()));
        QVERIFY(first.hasMatch());
        QVERIFY(first.captured(1).toInt() >= 1);

        const Run rest = Ctl({"acquire", "--data-dir", data, "--idle", "2"});
        QCOMPARE(rest.exitCode, 0);
        const QRegularExpressionMatch second =
            QRegularExpression("^records stored: (\\d+)\n$").match(QString::fromUtf8(rest.out));
        QVERIFY(second.hasMatch());
        QCOMPARE(first.captured(1).toInt() + second.captured(1).toInt(), 40);

        const QString sim = dir.filePath("follow-simulated");
        QVERIFY(QDir().mkpath(sim));
        QCOMPARE(Ctl({"simulate", "--data-dir", sim, "--from", from, "--minutes", "40"}).exitCode,
                 0);
        const QStringList files = QDir(sim).entryList(name, QDir::Files);
        QCOMPARE(QDir(data).entryList(name, QDir::Files), files);
        for (const QString& f : files)
            QVERIFY2(ReadFile(data + "/" + f) == ReadFile(sim + "/" + f), qPrintable(f));
    }
};

QTEST_GUILESS_MAIN(TestZedactlUnit)
#include "tst_zedactlunit.moc"
