// The alarm log on the bus: every line on "<base>/alarm" in order, each
// until the broker acknowledged it, the active alarms retained on
// "<base>/alarms/active", and the alarm cursor that carries over a restart.

#include "Fpublishtestsupport.h"
#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "support/Cbroker.h"
#include "support/Csubscriber.h"
#include "support/Cwithholdingbroker.h"

#include <QTest>

class TestPublishAlarms : public QObject {
    Q_OBJECT

    std::unique_ptr<TFilesFixture> FFx;
    // Raise 1, raise 2, clear 1.
    std::vector<AlarmLogEntry> FLog;
    QList<QByteArray> FLines;

    QString State() const { return QString(FileBytes(QDir(FFx->dir.path()).filePath("publish.state"))); }

private slots:
    void init() {
        qputenv("TZ", "Europe/Berlin");
        FFx = std::make_unique<TFilesFixture>();
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 2, 10, 0), 5));
        AlarmLogEntry e;
        e.event = AlarmRaised;
        e.kind = AlarmHigh;
        e.limit = 95 * AlarmValueScale;
        e.file = "D2026-03.ZMF";
        for (int ch = 1; ch <= 2; ++ch) {
            e.channel = ch;
            e.raised = QString("2026-03-02 10:0%1").arg(ch);
            FLog.push_back(e);
        }
        FLog.push_back(FLog[0]);
        FLog.back().event = AlarmCleared;
        FLog.back().cleared = "2026-03-02 10:03";
        FLines.clear();
        for (const AlarmLogEntry& l : FLog)
            FLines << AlarmLogLine(l).chopped(1);
        QVERIFY(AppendAlarmLog(AlarmLogPath(FFx->dir.path()), FLog));
    }
    void cleanup() {
        FFx.reset();
        FLog.clear();
    }

    void raiseAndClearArriveInOrderAndActiveIsRetained() {
        QTemporaryDir brokerDir;
        TBroker broker(brokerDir.path());
        QVERIFY(broker.Start());
        TSubscriber sub("sub-alarms", broker.Port(), "test/#");
        QTRY_VERIFY(sub.Subscribed());
        TPublisher publisher(FFx->dir.path(), BrokerSettings(broker.Port()), "", QuickOptions());
        publisher.Start();
        QTRY_COMPARE(sub.Payloads("test/a/alarm"), FLines);
        QTRY_COMPARE(sub.Payloads("test/a/alarms/active").size(), 1);
        publisher.Stop();
        QVERIFY(State().contains("\nalarmlines=3\n"));
        TSubscriber late("sub-late", broker.Port(), "test/a/alarms/active");
        QTRY_COMPARE(late.Payloads("test/a/alarms/active"), QList<QByteArray>{"[" + FLines[1] + "]"});
        QVERIFY(late.Messages().front().retain);
    }

    void withheldAcknowledgementSendsTheLineAgainAfterARestart() {
        TPublisher::Options options = QuickOptions();
        options.closeWaitMs = 500;
        {
            // The second alarm line never gets its PUBACK: nothing passes it.
            TWithholdingBroker broker([](const QByteArray& topic, int n) {
                return topic != "test/a/alarm" || n != 1;
            });
            TPublisher publisher(FFx->dir.path(), BrokerSettings(broker.Port()), "", options);
            publisher.Start();
            QTRY_COMPARE(broker.Payloads("test/a/alarm"), FLines.mid(0, 2));
            publisher.Stop();
            QCOMPARE(broker.Payloads("test/a/alarms/active").size(), 0);
        }
        QVERIFY(State().contains("\nalarmlines=1\n"));
        TWithholdingBroker broker([](const QByteArray&, int) { return true; });
        TPublisher publisher(FFx->dir.path(), BrokerSettings(broker.Port()), "", options);
        publisher.Start();
        QTRY_COMPARE(broker.Payloads("test/a/alarm"), FLines.mid(1));
        QTRY_COMPARE(broker.Payloads("test/a/alarms/active"), QList<QByteArray>{"[" + FLines[1] + "]"});
        publisher.Stop();
        QVERIFY(State().contains("\nalarmlines=3\n"));
    }
};

QTEST_GUILESS_MAIN(TestPublishAlarms)
#include "tst_publishalarms.moc"
