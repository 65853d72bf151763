#include "config/Cclock.h"
#include "config/Cenv.h"
#include "files/Calarmevaluator.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "files/Fmonthfile.h"
#include "support/Crecordingmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "96 - 96": a value with data, or "-" for a minute that does not count.
std::vector<AlarmMinute> Script(const QString& text) {
    std::vector<AlarmMinute> minutes;
    for (const QString& t : text.split(' ', Qt::SkipEmptyParts))
        minutes.push_back(t == "-" ? AlarmMinute{} : AlarmMinute{true, t.toLongLong()});
    return minutes;
}

// "2+high 3-high": the minute and what it raised (+) or cleared (-).
QString Run(const AlarmRule& rule, ChannelAlarmState& state, const QString& script) {
    QStringList events;
    const std::vector<AlarmMinute> minutes = Script(script);
    for (size_t i = 0; i < minutes.size(); ++i) {
        const AlarmChanges c = EvaluateAlarmMinute(rule, state, minutes[i]);
        for (int k = 0; k < AlarmKindCount; ++k) {
            if (c.raised & (1u << k))
                events << QString::number(i) + "+" + AlarmKindName(k);
            if (c.cleared & (1u << k))
                events << QString::number(i) + "-" + AlarmKindName(k);
        }
    }
    return events.join(' ');
}

AlarmRule RuleOf(const QByteArray& limitsText) {
    AlarmLimits l;
    QString refusal;
    if (!ParseAlarmLimits(limitsText, l, refusal))
        qFatal("bad limits in the test");
    return AlarmRuleOf(l, 0);
}

// Channel 1 "Kessel" in °C with one decimal, measurable 0.0 .. 150.0.
ChannelDefs Channels() {
    ChannelDefs defs{};
    ChannelDef& c = defs[0];
    c.active = 1;
    c.name = "Kessel";
    c.dimension = "\xB0" "C";
    c.inputMult = 1;
    c.maxValue = 1500;
    c.decimals = 1;
    return defs;
}

MonthDocument Document() {
    MonthDocument d;
    d.header = NewHeader(46, 3, "Werk", Channels()); // March 2026
    d.fileName = "D2026-03.ZMF";
    return d;
}

QByteArray Slot(uint16_t raw) {
    std::array<uint16_t, ChannelCount> values{};
    values[0] = raw;
    return BuildSlot(NoOperator, values);
}

AlarmLimits Limits(const QByteArray& text) {
    AlarmLimits l;
    QString refusal;
    ParseAlarmLimits(text, l, refusal);
    return l;
}

} // namespace

class TestAlarms : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 15, 30, 0})};
    TRecordingMessages messages;
    TEnv env;

    void Feed(TAlarmEvaluator& e, const MonthDocument& d, uint32_t first, const QList<int>& raws) {
        for (int i = 0; i < raws.size(); ++i)
            QVERIFY(e.OnMinuteStored(d, first + uint32_t(i), raws[i] < 0 ? EmptySlot()
                                                                         : Slot(uint16_t(raws[i]))));
    }

    std::vector<AlarmLogEntry> Log() {
        std::vector<AlarmLogEntry> entries;
        if (!ReadAlarmLog(AlarmLogPath(env.dataDir), entries))
            qFatal("log unreadable");
        return entries;
    }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        messages.Clear();
    }

    void theRuleHasKnownAnswers_data() {
        QTest::addColumn<QByteArray>("limits");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("events");
        QTest::newRow("no delay raises at once")
            << QByteArray("high=95") << "90 96 97 95 90" << "1+high 3-high";
        QTest::newRow("a value at the limit is inside") << QByteArray("high=95") << "95 95" << "";
        QTest::newRow("delay waits that many minutes beyond")
            << QByteArray("high=95,delay=2") << "96 96 96 90" << "2+high 3-high";
        QTest::newRow("a door open for a minute is no alarm")
            << QByteArray("high=95,delay=1") << "96 90 96 90" << "";
        QTest::newRow("delay counts minutes with data only")
            << QByteArray("high=95,delay=2") << "96 - 96 - - 96" << "5+high";
        QTest::newRow("a minute inside starts the count again")
            << QByteArray("high=95,delay=2") << "96 96 90 96 96 96" << "5+high";
        QTest::newRow("minutes without data do not clear")
            << QByteArray("high=95") << "96 - - 96 90" << "0+high 4-high";
        QTest::newRow("hysteresis holds the alarm near the limit")
            << QByteArray("high=95,hysteresis=3") << "96 94 93 92" << "0+high 3-high";
        QTest::newRow("high-high above high")
            << QByteArray("high=95,highhigh=110") << "100 111 105 90"
            << "0+high 1+highhigh 2-highhigh 3-high";
        QTest::newRow("low and low-low watch below")
            << QByteArray("low=10,lowlow=5,hysteresis=2") << "9 4 6 7 11 12"
            << "0+low 1+lowlow 3-lowlow 5-low";
        QTest::newRow("a long delay") << QByteArray("high=1,delay=1440")
                                      << QString("5 ").repeated(1441).trimmed() << "1440+high";
    }
    void theRuleHasKnownAnswers() {
        QFETCH(QByteArray, limits);
        QFETCH(QString, script);
        QFETCH(QString, events);
        ChannelAlarmState state{};
        QCOMPARE(Run(RuleOf(limits), state, script), events);
    }

    void aLatchedAlarmStaysUntilClearedAndAcknowledged() {
        const AlarmRule rule = RuleOf("high=95,latched=1");
        ChannelAlarmState s{};
        QCOMPARE(Run(rule, s, "96 90"), QString("0+high 1-high"));
        QVERIFY(AlarmActive(rule, s[AlarmHigh])); // cleared, not acknowledged
        s[AlarmHigh].unacknowledged = false;
        QVERIFY(!AlarmActive(rule, s[AlarmHigh]));
        QCOMPARE(Run(rule, s, "97"), QString("0+high"));
        s[AlarmHigh].unacknowledged = false; // acknowledged while beyond
        QVERIFY(AlarmActive(rule, s[AlarmHigh]));
        QCOMPARE(Run(rule, s, "90"), QString("0-high"));
        QVERIFY(!AlarmActive(rule, s[AlarmHigh]));
        const AlarmRule plain = RuleOf("high=95");
        ChannelAlarmState p{};
        QCOMPARE(Run(plain, p, "96 90"), QString("0+high 1-high"));
        QVERIFY(!AlarmActive(plain, p[AlarmHigh]));
    }

    void aRaiseIsLoggedAsOneJsonLine() {
        TAlarmEvaluator e(env);
        ChannelAlarmLimits limits{};
        limits[0] = Limits("high=95.0,highhigh=110.0,hysteresis=1.5,delay=2,latched=1");
        e.SetLimits(limits);
        const MonthDocument d = Document();
        // 10 March 14:00 onwards: 96.0, 97.5, 96.1 degrees.
        Feed(e, d, 9 * 1440 + 840, {960, 975, 961});
        QCOMPARE(QString::fromUtf8(ReadFile()),
                 QString::fromUtf8(
                     "{\"event\":\"raised\",\"raised\":\"2026-03-10 14:02\",\"cleared\":null,"
                     "\"acknowledged\":null,\"by\":null,\"channel\":1,\"name\":\"Kessel\","
                     "\"unit\":\"°C\",\"kind\":\"high\",\"limit\":95.0,\"peak\":97.5,"
                     "\"latched\":true,\"file\":\"D2026-03.ZMF\"}\n"));
    }

    void minutesOutsideTheRangeOrInAnExceptionNeitherCountNorClear() {
        TAlarmEvaluator e(env);
        ChannelAlarmLimits limits{};
        limits[0] = Limits("high=95.0,delay=1");
        e.SetLimits(limits);
        MonthDocument d = Document();
        // An ordinary period over slots 3 and 4 of channel 1; a note-only one over 6.
        WriteExceptionPeriod(d.exceptions, 0, {3, 4, 1, {'W', 'A', 'R', 'T'}});
        WriteExceptionPeriod(d.exceptions, 1, {6, 6, 1, {'!', 'N', 'O', 'T'}});
        SetHeaderExceptionCount(d.header, 2);
        // 96.0, beyond the range (160.0), empty, in the period (90.0 twice),
        // then 96.0 again: the second minute with data beyond raises.
        Feed(e, d, 0, {960, 1600, -1, 900, 900, 960});
        std::vector<AlarmLogEntry> log = Log();
        QCOMPARE(log.size(), size_t(1));
        QCOMPARE(log[0].raised, QString("2026-03-01 00:05"));
        // A note-only period leaves the value in place: it clears.
        Feed(e, d, 6, {900});
        log = Log();
        QCOMPARE(log.size(), size_t(2));
        QCOMPARE(log[1].event, AlarmCleared);
        QCOMPARE(log[1].cleared, QString("2026-03-01 00:06"));
    }

    void aRestartResumesWithoutRaisingTwice() {
        ChannelAlarmLimits limits{};
        limits[0] = Limits("high=95.0");
        const MonthDocument d = Document();
        {
            TAlarmEvaluator first(env);
            first.SetLimits(limits);
            Feed(first, d, 100, {960, 990});
        }
        TAlarmEvaluator again(env);
        again.SetLimits(limits);
        QVERIFY(again.Resume());
        QCOMPARE(again.StatusOf(0), ChannelInAlarm);
        // The unit hands the last minute over once more, then the value falls.
        Feed(again, d, 101, {990, 980, 900});
        const std::vector<AlarmLogEntry> log = Log();
        QCOMPARE(log.size(), size_t(2));
        QCOMPARE(log[1].event, AlarmCleared);
        QCOMPARE(log[1].raised, QString("2026-03-01 01:40"));
        QCOMPARE(log[1].cleared, QString("2026-03-01 01:43"));
        QCOMPARE(qint64(log[1].peak), qint64(99000000));
    }

    void aTornLastLineIsIgnoredAndNotRepeated() {
        const QString path = AlarmLogPath(env.dataDir);
        AlarmLogEntry a;
        a.event = AlarmRaised;
        a.raised = "2026-03-01 01:40";
        a.channel = 2;
        a.kind = AlarmLow;
        a.limit = 5000000;
        a.peak = 4000000;
        a.file = "D2026-03.ZMF";
        const QByteArray whole = AlarmLogLine(a);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(whole + whole.left(40));
        f.close();
        std::vector<AlarmLogEntry> entries;
        QVERIFY(ReadAlarmLog(path, entries));
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0], a);
        AlarmLogEntry b = a;
        b.event = AlarmCleared;
        b.cleared = "2026-03-01 02:00";
        QVERIFY(AppendAlarmLog(path, {b}));
        QCOMPARE(ReadFile(), whole + whole.left(40) + '\n' + AlarmLogLine(b));
        QVERIFY(ReadAlarmLog(path, entries));
        QCOMPARE(entries.size(), size_t(2));
        QCOMPARE(entries[1], b);
    }

    void acknowledgingNamesTheOperatorAndEndsALatchedAlarm() {
        TAlarmEvaluator e(env);
        ChannelAlarmLimits limits{};
        limits[0] = Limits("high=95.0,latched=1");
        e.SetLimits(limits);
        const MonthDocument d = Document();
        QCOMPARE(e.StatusOf(0), ChannelNormal);
        Feed(e, d, 0, {960});
        QCOMPARE(e.StatusOf(0), ChannelInAlarm);
        QCOMPARE(e.UnacknowledgedCount(), 1);
        Feed(e, d, 1, {900});
        QCOMPARE(e.StatusOf(0), ChannelLatched);
        QCOMPARE(e.Acknowledge(0, "M\u00fcller"), 1);
        QCOMPARE(e.StatusOf(0), ChannelNormal);
        QCOMPARE(e.UnacknowledgedCount(), 0);
        QCOMPARE(e.Acknowledge(0, "M\u00fcller"), 0);
        const std::vector<AlarmLogEntry> log = Log();
        QCOMPARE(log.size(), size_t(3));
        QCOMPARE(log[2].event, AlarmAcknowledged);
        QCOMPARE(log[2].by, QString("M\u00fcller"));
        QCOMPARE(log[2].acknowledged, QString("2026-03-10 15:30"));
        QCOMPARE(log[2].raised, QString("2026-03-01 00:00"));
        // Acknowledged while still beyond.
        Feed(e, d, 2, {970});
        QCOMPARE(e.Acknowledge(1, "Ute"), 1);
        QCOMPARE(e.StatusOf(0), ChannelAcknowledged);
    }

    // The minute stays in the unit when its alarm cannot be logged, and it
    // raises once when it comes again.
    void anUnwritableLogKeepsTheMinute() {
        TAlarmEvaluator e(env);
        ChannelAlarmLimits limits{};
        limits[0] = Limits("high=95.0");
        e.SetLimits(limits);
        const MonthDocument d = Document();
        QVERIFY(QDir().mkpath(AlarmLogPath(env.dataDir))); // a directory of its name
        QVERIFY(!e.OnMinuteStored(d, 0, Slot(960)));
        QCOMPARE(e.StatusOf(0), ChannelNormal);
        QVERIFY(QDir().rmdir(AlarmLogPath(env.dataDir)));
        QVERIFY(e.OnMinuteStored(d, 0, Slot(960)));
        QVERIFY(e.OnMinuteStored(d, 1, Slot(960)));
        QCOMPARE(Log().size(), size_t(1));
    }

private:
    QByteArray ReadFile() {
        QFile f(AlarmLogPath(env.dataDir));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
