// The alarm log on the bus: every line on "<base>/alarm" in order, each
// until the broker acknowledged it, the active alarms retained on
// "<base>/alarms/active", and the alarm cursor that carries over a restart.

#include "Fpublishtestsupport.h"
#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "publish/Falarmtopics.h"
#include "support/Cbroker.h"
#include "support/Csubscriber.h"
#include "support/Cwithholdingbroker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

AlarmLogEntry Raise(int channel, const QString& raised, bool latched = false) {
    AlarmLogEntry e;
    e.event = AlarmRaised;
    e.channel = channel;
    e.kind = AlarmHigh;
    e.raised = raised;
    e.name = "Kanal";
    e.unit = "bar";
    e.limit = 95 * AlarmValueScale;
    e.peak = 97 * AlarmValueScale;
    e.latched = latched;
    e.file = "M2603.DAT";
    return e;
}

AlarmLogEntry Then(AlarmLogEntry e, const QByteArray& event, const QString& when) {
    e.event = event;
    (event == AlarmCleared ? e.cleared : e.acknowledged) = when;
    if (event == AlarmAcknowledged)
        e.by = "Anna";
    return e;
}

QByteArray Line(const AlarmLogEntry& e) {
    return AlarmLogLine(e).chopped(1);
}

// Channel and event of every alarm of an active set.
QStringList ActiveOf(const QByteArray& json) {
    QStringList out;
    for (const QJsonValue v : QJsonDocument::fromJson(json).array())
        out << QString::number(v.toObject().value("channel").toInt()) + ' ' +
                   v.toObject().value("event").toString();
    return out;
}

QByteArray StateBytes(const QString& dir) {
    return FileBytes(QDir(dir).filePath("publish.state"));
}

} // namespace

class TestPublishAlarms : public QObject {
    Q_OBJECT

    std::unique_ptr<TFilesFixture> FFx;

    QString Dir() const { return FFx->dir.path(); }
    bool Append(const std::vector<AlarmLogEntry>& lines) {
        return AppendAlarmLog(AlarmLogPath(Dir()), lines);
    }

private slots:
    void init() {
        qputenv("TZ", "Europe/Berlin");
        FFx = std::make_unique<TFilesFixture>();
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 2, 10, 0), 5));
    }
    void cleanup() { FFx.reset(); }

    void activeSetFollowsTheLog_data() {
        QTest::addColumn<bool>("latched");
        QTest::addColumn<QStringList>("active");
        // Raise 1, raise 2, clear 1, acknowledge 2, acknowledge 1.
        QTest::newRow("plain") << false << QStringList{"2 acknowledged"};
        QTest::newRow("latched") << true << QStringList{"2 acknowledged"};
    }
    void activeSetFollowsTheLog() {
        QFETCH(bool, latched);
        QFETCH(QStringList, active);
        const AlarmLogEntry a = Raise(1, "2026-03-02 10:00", latched);
        const AlarmLogEntry b = Raise(2, "2026-03-02 10:01", latched);
        std::vector<QByteArray> lines = {Line(a), Line(b), Line(Then(a, AlarmCleared, "2026-03-02 10:03"))};
        QCOMPARE(ActiveOf(ActiveAlarmsJson(lines)),
                 latched ? (QStringList{"1 cleared", "2 raised"}) : QStringList{"2 raised"});
        lines.push_back(Line(Then(b, AlarmAcknowledged, "2026-03-02 10:04")));
        lines.push_back(Line(Then(a, AlarmAcknowledged, "2026-03-02 10:05")));
        lines.push_back("{\"torn"); // a line a crash cut short, ended by the next append
        QCOMPARE(ActiveOf(ActiveAlarmsJson(lines)), active);
        QCOMPARE(CompleteLogLines("a\nb\nc"), (std::vector<QByteArray>{"a", "b"}));
    }

    void raiseAndClearArriveInOrderAndActiveIsRetained() {
        QTemporaryDir brokerDir;
        TBroker broker(brokerDir.path());
        QVERIFY(broker.Start());
        TSubscriber sub("sub-alarms", broker.Port(), "test/#");
        QVERIFY(sub.Ok());
        QTRY_VERIFY(sub.Subscribed());
        const AlarmLogEntry a = Raise(1, "2026-03-02 10:00");
        const AlarmLogEntry b = Raise(2, "2026-03-02 10:01");
        const AlarmLogEntry cleared = Then(a, AlarmCleared, "2026-03-02 10:03");
        QVERIFY(Append({a, b, cleared}));
        {
            TPublisher publisher(Dir(), BrokerSettings(broker.Port()), "", QuickOptions());
            publisher.Start();
            QTRY_COMPARE(sub.Payloads("test/a/alarm"),
                         (QList<QByteArray>{Line(a), Line(b), Line(cleared)}));
            QTRY_COMPARE(sub.Payloads("test/a/alarms/active").size(), 1);
            publisher.Stop();
        }
        QVERIFY(StateBytes(Dir()).contains("\nalarmlines=3\n"));
        TSubscriber late("sub-late", broker.Port(), "test/a/alarms/active");
        QTRY_COMPARE(late.Payloads("test/a/alarms/active").size(), 1);
        QVERIFY(late.Messages().front().retain);
        QCOMPARE(ActiveOf(late.Payloads("test/a/alarms/active").front()), QStringList{"2 raised"});

        // Started again, it goes on after the cursor.
        const AlarmLogEntry clearedB = Then(b, AlarmCleared, "2026-03-02 10:04");
        QVERIFY(Append({clearedB}));
        TPublisher again(Dir(), BrokerSettings(broker.Port()), "", QuickOptions());
        again.Start();
        QTRY_COMPARE(sub.Payloads("test/a/alarm").size(), 4);
        QCOMPARE(sub.Payloads("test/a/alarm").back(), Line(clearedB));
        QTRY_COMPARE(sub.Payloads("test/a/alarms/active").back(), QByteArray("[]"));
        again.Stop();
    }

    void withheldAcknowledgementSendsTheLineAgain() {
        const AlarmLogEntry a = Raise(1, "2026-03-02 10:00");
        const AlarmLogEntry b = Raise(2, "2026-03-02 10:01");
        const AlarmLogEntry c = Then(a, AlarmCleared, "2026-03-02 10:03");
        QVERIFY(Append({a, b, c}));
        TPublisher::Options options = QuickOptions();
        options.closeWaitMs = 500;
        {
            // The second alarm line never gets its PUBACK.
            TWithholdingBroker broker([](const QByteArray& topic, int n) {
                return topic != "test/a/alarm" || n != 1;
            });
            TPublisher publisher(Dir(), BrokerSettings(broker.Port()), "", options);
            publisher.Start();
            QTRY_COMPARE(broker.Payloads("test/a/alarm").size(), 2);
            // Nothing passes the withheld line, not even the active set.
            QCOMPARE(broker.Payloads("test/a/alarms/active").size(), 0);
            publisher.Stop();
        }
        QVERIFY(StateBytes(Dir()).contains("\nalarmlines=1\n"));
        TWithholdingBroker broker([](const QByteArray&, int) { return true; });
        TPublisher publisher(Dir(), BrokerSettings(broker.Port()), "", options);
        publisher.Start();
        QTRY_COMPARE(broker.Payloads("test/a/alarm"), (QList<QByteArray>{Line(b), Line(c)}));
        QTRY_COMPARE(broker.Payloads("test/a/alarms/active").size(), 1);
        publisher.Stop();
        QVERIFY(StateBytes(Dir()).contains("\nalarmlines=3\n"));
    }

    // A state file of the version before the alarm cursor: every line is sent.
    void stateWithoutAlarmCursorSendsTheWholeLog() {
        TPublishState state(Dir());
        QVERIFY(WriteFileBytes(state.Path(), "cursor=2026-03-02 10:04\npublished=\n"));
        WallMinute cursor = NoMinute;
        TMinuteRuns runs;
        bool known = false;
        qint64 lines = -1;
        QCOMPARE(state.ReadState(cursor, runs, known, &lines), TPublishState::Read);
        QCOMPARE(lines, qint64(0));
        QVERIFY(WriteFileBytes(state.Path(), "cursor=2026-03-02 10:04\npublished=\nalarmlines=x\n"));
        QCOMPARE(state.ReadState(cursor, runs, known, &lines), TPublishState::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TestPublishAlarms)
#include "tst_publishalarms.moc"
