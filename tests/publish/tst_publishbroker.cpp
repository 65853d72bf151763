// Publishing against a real mosquitto on loopback: a replayed backlog, a
// broker outage, a publisher killed hard, a second publisher, TLS, and
// zedactl's exits.

#include "Fpublishtestsupport.h"
#include "files/Fexceptions.h"
#include "support/Cbroker.h"
#include "support/Cfilesizelimit.h"
#include "support/Csubscriber.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

SampleRecord RecordOf(int day, int hour, int minute, uint16_t ch1, uint16_t ch2) {
    SampleRecord r;
    r.year = Year(2026);
    r.month = 3;
    r.minute = uint16_t((day - 1) * 1440 + hour * 60 + minute);
    r.values[0] = ch1;
    r.values[1] = ch2;
    return r;
}

struct TCtlRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

TCtlRun Ctl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEDACTL_PATH), args);
    TCtlRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// The distinct minutes among messages, and how many came more than once.
QSet<QString> Distinct(const QList<QByteArray>& payloads, int& repeats) {
    QSet<QString> seen;
    repeats = 0;
    for (const QByteArray& p : payloads) {
        const QString m = MinuteOf(p);
        if (seen.contains(m))
            ++repeats;
        seen.insert(m);
    }
    return seen;
}

QSet<QString> Range(WallMinute first, int count) {
    QSet<QString> all;
    for (int i = 0; i < count; ++i)
        all.insert(Text(first + i));
    return all;
}

} // namespace

class TestPublishBroker : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FBrokerDir;
    std::unique_ptr<TBroker> FBroker;
    std::unique_ptr<TFilesFixture> FFx;

    bool StartBroker(bool tls = false, bool anonymous = true) {
        FBrokerDir = std::make_unique<QTemporaryDir>();
        FBroker = std::make_unique<TBroker>(FBrokerDir->path());
        return (!tls || MakeCertificates(FBrokerDir->path())) && FBroker->Start(tls, anonymous);
    }

    std::unique_ptr<TSubscriber> Subscribe(const QByteArray& id, int qos = 1) {
        return std::make_unique<TSubscriber>(id, FBroker->Port(), "test/#", qos);
    }

    QString Dir() const { return FFx->dir.path(); }

    void WriteIni(int port, const QByteArray& host = "127.0.0.1") {
        QVERIFY(WriteFileBytes(FFx->env.IniPath(),
                               "[ZEDA]\nBetriebsort=Werk Nord\n[MQTT]\nHost=" + host +
                                   "\nPort=" + QByteArray::number(port) + "\nTopic=test/a\n"));
    }

private slots:
    void init() {
        qputenv("TZ", "Europe/Berlin");
        FFx = std::make_unique<TFilesFixture>();
    }

    void cleanup() {
        FFx.reset();
        FBroker.reset();
        FBrokerDir.reset();
    }

    void backlogArrivesCompleteInOrderWithItsPayload() {
        QVERIFY(StartBroker());
        auto sub = Subscribe("sub-replay");
        QVERIFY(sub->Ok());
        QTRY_VERIFY(sub->Subscribed());
        ChannelDefs& c = FFx->config->channels;
        for (ChannelDef& d : c)
            d.active = 0;
        c[0] = {1, "Temp", "\xB0" "C", 0, 1, 0, 500, 0, 1, 0, 0, 0};
        c[1] = {1, "Druck", "bar", 0, 1, 0, 100, 0, 0, 0, 0, 1};
        FFx->config->operatorLoggedIn = true;
        FFx->config->operatorName = "Anna";
        MonthDocument doc;
        TFileAct act(&doc, FFx->env, *FFx->config);
        // Summer time begins on 29 March 2026 at 02:00: the hour up to 03:00
        // has no records.
        for (const SampleRecord& r : {RecordOf(29, 1, 58, 214, 50), RecordOf(29, 1, 59, 215, 150),
                                      RecordOf(29, 3, 0, 216, 60), RecordOf(29, 3, 1, 217, 61)})
            QVERIFY(act.WriteRecord(r));
        QVERIFY(act.LoadDays());
        doc.display.channelVisible.fill(0);
        doc.display.channelVisible[1] = 1;
        doc.display.markStart = doc.display.markEnd = 28 * 1440 + 3 * 60;
        QVERIFY(ApplyException(doc, "Wartung", FFx->messages, 100));

        TPublisher publisher(Dir(), BrokerSettings(FBroker->Port()), "Werk Nord",
                             QuickOptions(10));
        QSignalSpy caughtUp(&publisher, &TPublisher::caughtUp);
        publisher.StartFrom(Wall(2026, 3, 29, 1, 58));
        QTRY_COMPARE(caughtUp.count(), 1);
        // The hour 02:00 to 02:59 does not exist on the local clock: a
        // minute without data there is not published.
        QTRY_COMPARE(sub->Count("test/a/minute"), 4);
        const QList<QByteArray> got = sub->Payloads("test/a/minute");
        QStringList minutes;
        for (const QByteArray& p : got)
            minutes << MinuteOf(p);
        QStringList expected{"2026-03-29 01:58", "2026-03-29 01:59", "2026-03-29 03:00",
                             "2026-03-29 03:01"};
        QCOMPARE(minutes, expected);
        QCOMPARE(got[1], QByteArray("{\"minute\":\"2026-03-29 01:59\","
                                    "\"time\":\"2026-03-29T01:59:00+01:00\","
                                    "\"location\":\"Werk Nord\",\"operator\":\"Anna\","
                                    "\"channels\":[{\"channel\":1,\"name\":\"Temp\","
                                    "\"unit\":\"\xC2\xB0" "C\",\"value\":21.5,\"text\":\"21.5\"},"
                                    "{\"channel\":2,\"name\":\"Druck\",\"unit\":\"bar\","
                                    "\"value\":null,\"text\":\"#O/L\"}]}"));
        QCOMPARE(got[2], QByteArray("{\"minute\":\"2026-03-29 03:00\","
                                     "\"time\":\"2026-03-29T03:00:00+02:00\","
                                     "\"location\":\"Werk Nord\",\"operator\":\"Anna\","
                                     "\"channels\":[{\"channel\":1,\"name\":\"Temp\","
                                     "\"unit\":\"\xC2\xB0" "C\",\"value\":21.6,\"text\":\"21.6\"},"
                                     "{\"channel\":2,\"name\":\"Druck\",\"unit\":\"bar\","
                                     "\"value\":null,\"text\":\"60\"}]}"));
        QTRY_COMPARE(sub->Payloads("test/a/last"), QList<QByteArray>{got[3]});
        QCOMPARE(sub->Payloads("test/a/status"), QList<QByteArray>{"online"});
        publisher.Stop();
        QCOMPARE(FileBytes(FFx->Path("publish.state")),
                 QByteArray("cursor=2026-03-29 03:01\npublished=2026-03-29 01:58/2026-03-29 "
                            "01:59,2026-03-29 03:00/2026-03-29 03:01\n"));
        QTRY_COMPARE(sub->Payloads("test/a/status"), (QList<QByteArray>{"online", "offline"}));
    }

    void backlogBeforeTheFirstCursorCountedTheMinutesSince1980() {
        TPublisher publisher(Dir(), BrokerSettings(FreePort()), "Werk Nord", QuickOptions(10));
        publisher.Start();
        MonthDocument doc;
        TFileAct act(&doc, FFx->env, *FFx->config);
        for (const SampleRecord& r : {RecordOf(10, 14, 0, 1, 1), RecordOf(10, 14, 1, 2, 2),
                                      RecordOf(10, 14, 2, 3, 3)})
            QVERIFY(act.WriteRecord(r));
        publisher.MinutesStored();
        QCOMPARE(publisher.Status().backlog, qint64(3));
        publisher.Stop();
    }

    void brokerRestartedMidStreamLosesNothingAndRepeatsAtMostTheInFlight() {
        QVERIFY(StartBroker());
        auto sub = Subscribe("sub-outage");
        QTRY_VERIFY(sub->Subscribed());
        const WallMinute first = Wall(2026, 3, 10, 0, 0);
        const int count = 2000;
        QVERIFY(FillMinutes(*FFx, first, count));
        const int inFlight = 20;
        TPublisher publisher(Dir(), BrokerSettings(FBroker->Port()), "", QuickOptions(inFlight));
        QSignalSpy lost(&publisher, &TPublisher::connectionLost);
        QSignalSpy caughtUp(&publisher, &TPublisher::caughtUp);
        bool stopped = false;
        connect(&publisher, &TPublisher::progressed, this, [&](qint64 cursor) {
            if (!stopped && cursor >= first + 500) {
                stopped = true;
                FBroker->Terminate();
            }
        });
        publisher.StartFrom(first);
        QTRY_COMPARE(lost.count(), 1);
        QCOMPARE(caughtUp.count(), 0);
        QVERIFY(FBroker->WaitStopped());
        QVERIFY(FBroker->Restart());
        QTRY_COMPARE_WITH_TIMEOUT(caughtUp.count(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(Range(first, count).subtract([&] {
            int repeats = 0;
            return Distinct(sub->Payloads("test/a/minute"), repeats);
        }()).size(), 0, 20000);
        // The publisher sent again only what was in flight when the broker
        // went; the subscriber sees those, and at most the one message the
        // broker itself had in flight towards it.
        QVERIFY2(publisher.SentCount() - count <= inFlight,
                 qPrintable(QString::number(publisher.SentCount())));
        QVERIFY(publisher.SentCount() > count);
        int repeats = 0;
        const QSet<QString> got = Distinct(sub->Payloads("test/a/minute"), repeats);
        QCOMPARE(got, Range(first, count));
        QVERIFY2(repeats <= inFlight + 1, qPrintable(QString::number(repeats)));
    }

    void cursorSurvivesAPublisherKilledHard() {
        QVERIFY(StartBroker());
        auto sub = Subscribe("sub-kill", 0);
        QTRY_VERIFY(sub->Subscribed());
        const WallMinute first = Wall(2026, 3, 1, 0, 0);
        const int count = 20000;
        QVERIFY(FillMinutes(*FFx, first, count));
        WriteIni(FBroker->Port());
        QProcess follow;
        follow.start(ZEDACTL_PATH, {"publish", "--data-dir", Dir(), "--from", Text(first),
                                    "--follow"});
        QVERIFY(follow.waitForStarted());
        const QString state = FFx->Path("publish.state");
        WallMinute cursor = NoMinute;
        TPublishState reader(Dir());
        QTRY_VERIFY_WITH_TIMEOUT(reader.ReadCursor(cursor) == TPublishState::Read &&
                                     cursor >= first,
                                 20000);
        follow.kill();
        QVERIFY(follow.waitForFinished());
        QCOMPARE(follow.exitStatus(), QProcess::CrashExit);
        QCOMPARE(reader.ReadCursor(cursor), TPublishState::Read);
        QVERIFY(cursor >= first && cursor < first + count);
        // Every minute up to the cursor reached the broker.
        QTRY_VERIFY_WITH_TIMEOUT(Range(first, int(cursor - first + 1)).subtract([&] {
            int repeats = 0;
            return Distinct(sub->Payloads("test/a/minute"), repeats);
        }()).isEmpty(), 20000);
        const TCtlRun rest = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(rest.exitCode, 0);
        QCOMPARE(rest.out.right(50), QByteArray("minutes sent, acknowledged up to 2026-03-14 21:19\n"));
        QCOMPARE(FileBytes(state), QByteArray("cursor=2026-03-14 21:19\n"
                                              "published=2026-03-01 00:00/2026-03-14 21:19\n"));
        QTRY_COMPARE_WITH_TIMEOUT(Range(first, count).subtract([&] {
            int repeats = 0;
            return Distinct(sub->Payloads("test/a/minute"), repeats);
        }()).size(), 0, 20000);
    }

    void minutesStoredBehindTheCursorArePublishedLate() {
        QVERIFY(StartBroker());
        auto sub = Subscribe("sub-late");
        QTRY_VERIFY(sub->Subscribed());
        const WallMinute first = Wall(2026, 3, 10, 12, 0);
        QVERIFY(FillMinutes(*FFx, first, 30));
        WriteIni(FBroker->Port());
        QCOMPARE(Ctl({"publish", "--data-dir", Dir(), "--from", Text(first)}).exitCode, 0);
        QTRY_COMPARE(sub->Count("test/a/minute"), 30);
        // An older month restored from a backup, and minutes a unit whose
        // clock was corrected stored behind the cursor.
        QVERIFY(FillMinutes(*FFx, Wall(2026, 2, 27, 9, 0), 2));
        QVERIFY(FillMinutes(*FFx, first - 60, 2));
        const QByteArray done = " minutes sent, acknowledged up to " + Text(first + 29).toLatin1();
        TCtlRun r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, "publish: 4" + done + '\n');
        QTRY_COMPARE(sub->Count("test/a/minute"), 34);
        QStringList late;
        for (const QByteArray& p : sub->Payloads("test/a/minute").mid(30)) {
            QVERIFY(p.contains("\"late\":true,"));
            late << MinuteOf(p);
        }
        QCOMPARE(late, (QStringList{"2026-02-27 09:00", "2026-02-27 09:01", Text(first - 60),
                                    Text(first - 59)}));
        QVERIFY(!sub->Payloads("test/a/minute").first().contains("late"));
        // Acknowledged once, never sent again.
        r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.out, "publish: 0" + done + '\n');
    }

    void cursorOrFromAfterTheNewestStoredMinuteIsRefused() {
        QVERIFY(StartBroker());
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 10));
        WriteIni(FBroker->Port());
        const QString state = FFx->Path("publish.state");
        TCtlRun r = Ctl({"publish", "--data-dir", Dir(), "--from", "2030-01-01 00:00"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QByteArray("error: Error - Publishing cannot begin at 2030-01-01 00:00: "
                                   "the newest stored minute is 2026-03-10 00:09!\n"));
        QVERIFY(!QFile::exists(state));
        QVERIFY(WriteFileBytes(state, "cursor=2030-01-01 00:00\npublished=\n"));
        r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, "error: Error - The cursor 2030-01-01 00:00 in " + state.toUtf8() +
                            " lies after the newest stored minute 2026-03-10 00:09!\n");
        // An older version's cursor there is set back, with a warning.
        QVERIFY(WriteFileBytes(state, "cursor=2029-12-31 23:59\n"));
        r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, "warning: Warning - The cursor 2029-12-31 23:59 in " + state.toUtf8() +
                            " lay after the newest stored minute 2026-03-10 00:09; it is set "
                            "back to it.\n");
        QCOMPARE(r.out, QByteArray("publish: 0 minutes sent, acknowledged up to 2026-03-10 00:09\n"));
        QVERIFY(FileBytes(state).startsWith("cursor=2026-03-10 00:09\n"));
    }

    void unsavedCursorIsNoSuccess() {
        QVERIFY(StartBroker());
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 10));
        WriteIni(FBroker->Port());
        const QString state = FFx->Path("publish.state");
        QVERIFY(WriteFileBytes(state, "cursor=2026-03-10 00:04\n"));
        TCtlRun r;
        {
            // The lock file's line fits, the cursor file does not: a full disk.
            TFileSizeLimit limit(40);
            QVERIFY(limit.Active());
            r = Ctl({"publish", "--data-dir", Dir()});
        }
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, "warning: Warning - The cursor cannot be saved in " + state.toUtf8() +
                            ": File too large!\nerror: Error - The cursor cannot be saved in " +
                            state.toUtf8() +
                            ": File too large! The minutes up to 2026-03-10 00:09 were delivered "
                            "to the broker; the next start sends them again.\n");
        QCOMPARE(FileBytes(state), QByteArray("cursor=2026-03-10 00:04\n"));
    }

    void busyMonthFileStopsZedactlBeforeItsMinutes() {
        QVERIFY(StartBroker());
        QVERIFY(FillMinutes(*FFx, Wall(2026, 2, 28, 23, 50), 20));
        WriteIni(FBroker->Port());
        const QString march = FFx->MonthPath(2026, 3);
        const int holder = ::open(QFile::encodeName(march).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX) == 0);
        const TCtlRun r = Ctl({"publish", "--data-dir", Dir(), "--from", "2026-02-28 23:50"});
        ::close(holder);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, "warning: Warning - The month file " + march.toUtf8() +
                            " is busy; publishing waits before its minutes.\n");
        QVERIFY(FileBytes(FFx->Path("publish.state")).startsWith("cursor=2026-02-28 23:59\n"));
    }

    void secondPublisherIsRefusedNamingTheHolder() {
        QVERIFY(StartBroker());
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 10));
        WriteIni(FBroker->Port());
        TPublisher first(Dir(), BrokerSettings(FBroker->Port()), "", QuickOptions());
        QSignalSpy connected(&first, &TPublisher::connected);
        first.Start();
        QTRY_COMPARE(connected.count(), 1);
        const QString text = QString("Error - Publishing from %1 is already done by zeda "
                                     "(process %2)!")
                                 .arg(Dir())
                                 .arg(::getpid());
        TPublisher second(Dir(), BrokerSettings(FBroker->Port()), "", QuickOptions());
        QSignalSpy failed(&second, &TPublisher::failed);
        second.Start();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed[0][0].toString(), text);
        QCOMPARE(second.Status().state, PublishStatus::Refused);
        const TCtlRun ctl = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(ctl.exitCode, 1);
        QCOMPARE(ctl.err, "error: " + text.toUtf8() + '\n');
    }

    void tlsWithTheTestsOwnCa() {
        QVERIFY(StartBroker(true));
        auto sub = Subscribe("sub-tls");
        QTRY_VERIFY(sub->Subscribed());
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 30));
        PublishSettings s = BrokerSettings(FBroker->TlsPort());
        s.host = "localhost";
        s.caFile = FBrokerDir->filePath("ca.crt");
        {
            TPublisher publisher(Dir(), s, "", QuickOptions());
            QSignalSpy caughtUp(&publisher, &TPublisher::caughtUp);
            publisher.StartFrom(Wall(2026, 3, 10, 0, 0));
            QTRY_COMPARE(caughtUp.count(), 1);
            publisher.Stop();
        }
        QTRY_COMPARE(sub->Count("test/a/minute"), 30);
        // A broker whose certificate that CA did not sign is not talked to.
        s.caFile = FBrokerDir->filePath("other.crt");
        TPublisher publisher(Dir(), s, "", QuickOptions());
        QSignalSpy failed(&publisher, &TPublisher::attemptFailed);
        publisher.StartFrom(Wall(2026, 3, 10, 0, 0));
        QTRY_VERIFY(failed.count() >= 1);
        QVERIFY2(failed[0][0].toString().startsWith(
                     QString("Error - No connection to the broker localhost:%1: A TLS error "
                             "occurred.")
                         .arg(FBroker->TlsPort())),
                 qPrintable(failed[0][0].toString()));
        QVERIFY(failed[0][0].toString().contains("certificate verify failed"));
        QCOMPARE(sub->Count("test/a/minute"), 30);
    }

    void zedactlWithoutABrokerFailsAndKeepsTheCursor() {
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 10));
        const int port = FreePort();
        WriteIni(port);
        const QString state = FFx->Path("publish.state");
        QVERIFY(WriteFileBytes(state, "cursor=2026-03-10 00:04\n"));
        TCtlRun r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QString("error: Error - No connection to the broker 127.0.0.1:%1: "
                                "Connection refused\n")
                            .arg(port)
                            .toUtf8());
        QCOMPARE(FileBytes(state), QByteArray("cursor=2026-03-10 00:04\n"));
        QVERIFY(QFile::remove(state));
        r = Ctl({"publish", "--data-dir", Dir(), "--from", "2026-03-10 00:00"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!QFile::exists(state));
    }

    void zedactlReportsTheBrokersRefusal() {
        QVERIFY(StartBroker(false, false));
        QVERIFY(FillMinutes(*FFx, Wall(2026, 3, 10, 0, 0), 10));
        WriteIni(FBroker->Port());
        const TCtlRun r = Ctl({"publish", "--data-dir", Dir()});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QString("error: Error - No connection to the broker 127.0.0.1:%1: the "
                                "broker refused the connection: Connection Refused: not "
                                "authorised.\n")
                            .arg(FBroker->Port())
                            .toUtf8());
        QVERIFY(!QFile::exists(FFx->Path("publish.state")));
    }

    void zedactlFollowsNewMinutesUntilSigterm() {
        QVERIFY(StartBroker());
        auto sub = Subscribe("sub-follow");
        QTRY_VERIFY(sub->Subscribed());
        const WallMinute first = Wall(2026, 3, 10, 0, 0);
        QVERIFY(FillMinutes(*FFx, first, 100));
        WriteIni(FBroker->Port());
        QProcess follow;
        follow.start(ZEDACTL_PATH, {"publish", "--data-dir", Dir(), "--follow"});
        QVERIFY(follow.waitForStarted());
        // The first start begins after the newest stored minute: no flood.
        QTRY_COMPARE(sub->Payloads("test/a/status"), QList<QByteArray>{"online"});
        QVERIFY(FillMinutes(*FFx, first + 100, 5));
        QTRY_COMPARE_WITH_TIMEOUT(sub->Count("test/a/minute"), 5, 10000);
        QCOMPARE(MinuteOf(sub->Payloads("test/a/minute").first()), Text(first + 100));
        follow.terminate();
        QVERIFY(follow.waitForFinished());
        QCOMPARE(follow.exitStatus(), QProcess::NormalExit);
        QCOMPARE(follow.exitCode(), 0);
        QCOMPARE(FileBytes(FFx->Path("publish.state")),
                 "cursor=" + Text(first + 104).toLatin1() + "\npublished=" +
                     Text(first).toLatin1() + '/' + Text(first + 104).toLatin1() + '\n');
        QTRY_COMPARE(sub->Payloads("test/a/status"), (QList<QByteArray>{"online", "offline"}));
    }
};

QTEST_GUILESS_MAIN(TestPublishBroker)
#include "tst_publishbroker.moc"
