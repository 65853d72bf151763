#include "Cfakeunit.h"

#include "comm/Cacquisitionservice.h"
#include "comm/Ccommbase.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "files/Cfileact.h"
#include "files/Fmonthfile.h"
#include "support/Crecordingmessages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes down what it is told.
class TRecordingListener : public TAcquisitionListener {
public:
    QList<uint16_t> minutes;
    QList<QByteArray> bytes;
    QList<QString> paths;
    QList<LinkReport> links;
    QList<int> cycles;
    void MinuteStored(const StoredMinute& m) override {
        minutes << m.slot;
        bytes << m.bytes;
        paths << m.path;
    }
    void LinkChanged(const LinkReport& link) override { links << link; }
    void CycleEnded(int stored) override { cycles << stored; }
};

SampleRecord Record(int day, int hour, int minute, uint16_t value) {
    SampleRecord r;
    r.year = 2026 - 1980;
    r.month = 3;
    r.minute = uint16_t((day - 1) * 1440 + hour * 60 + minute);
    r.values.fill(value);
    return r;
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestAcquisitionService : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 5, 0}), 1000};
    TRecordingMessages messages;
    TEnv env;

private slots:
    void init() {
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        QFile ini(env.IniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[ZEDA]\nCOM3=/dev/ttyUSB7\n");
    }

    // Two listeners hear each minute once, with the slot and the bytes that
    // are in the file; one added later hears only what comes after.
    void storedMinuteReachesEveryListenerOnce() {
        TConfig config(env.IniPath());
        TFakeUnit unit(env);
        unit.answers = true;
        TAcquisitionService service(env, unit, config);
        TRecordingListener a;
        TRecordingListener b;
        service.AddListener(&a);
        service.AddListener(&b);
        service.AddListener(&a); // twice is once
        unit.waiting = {Record(10, 14, 0, 100), Record(10, 14, 1, 101), Record(10, 14, 2, 102)};
        QCOMPARE(service.RunCycle(), 11);
        const QList<uint16_t> expected = {9 * 1440 + 840, 9 * 1440 + 841, 9 * 1440 + 842};
        QCOMPARE(a.minutes, expected);
        QCOMPARE(b.minutes, expected);
        QCOMPARE(a.cycles, QList<int>{3});
        const QString path = dir.filePath("D2026-03.ZMF");
        QCOMPARE(a.paths, QList<QString>(3, path));
        const QByteArray file = FileBytes(path);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(a.bytes[i].size(), 30);
            QCOMPARE(a.bytes[i], file.mid(SlotOffset(expected[i]), 30));
        }
        QCOMPARE(service.StoredCount(), 3);

        TRecordingListener late;
        service.AddListener(&late);
        service.RemoveListener(&b);
        unit.waiting = {Record(10, 14, 3, 103)};
        service.RunCycle();
        QCOMPARE(late.minutes, QList<uint16_t>{9 * 1440 + 843});
        QCOMPARE(a.minutes.size(), 4);
        QCOMPARE(b.minutes.size(), 3);
        QCOMPARE(late.cycles, QList<int>{1});
    }

    // Up once at the first cycle, then only on a change, with what a
    // status line needs.
    void linkDownAndUpAreAnnounced() {
        TConfig config(env.IniPath());
        TFakeUnit unit(env);
        unit.answers = true;
        unit.PortNumber = 3;
        TAcquisitionService service(env, unit, config);
        TRecordingListener l;
        service.AddListener(&l);
        unit.waiting = {Record(10, 14, 4, 7)};
        service.RunCycle();
        service.RunCycle();
        QCOMPARE(l.links.size(), 1);
        QVERIFY(l.links[0].up);
        QCOMPARE(l.links[0].portName, QString("COM3"));
        QCOMPARE(l.links[0].device, QString("/dev/ttyUSB7"));
        QVERIFY(l.links[0].hasRecord);
        QCOMPARE(l.links[0].lastRecord, (SampleTime{46, 3, 9 * 1440 + 844}));

        unit.answers = false;
        service.RunCycle();
        service.RunCycle();
        QCOMPARE(l.links.size(), 2);
        QVERIFY(!l.links[1].up);
        QVERIFY(!service.Link().up);
        unit.answers = true;
        service.RunCycle();
        QCOMPARE(l.links.size(), 3);
        QVERIFY(l.links[2].up);
        QCOMPARE(l.links[2].lastRecord, l.links[0].lastRecord);
        QVERIFY(!service.Link().lostAt);
    }

    // A link that lost its unit says since when, and which port it tries.
    void lostLinkSaysSinceWhenAndWhere() {
        TConfig config(env.IniPath());
        TFakeUnit unit(env);
        unit.answers = false;
        unit.PortNumber = 3;
        TAcquisitionService service(env, unit, config);
        service.RunCycle();
        const LinkReport link = service.Link();
        QVERIFY(!link.up && !link.simulated && !link.hasRecord);
        QVERIFY(link.lostAt);
        QCOMPARE(link.lostAt->hour * 100 + link.lostAt->minute, 1405);
        QCOMPARE(link.device, QString("/dev/ttyUSB7"));
    }
};

QTEST_GUILESS_MAIN(TestAcquisitionService)
#include "tst_acquisitionservice.moc"
