// Publishing inside the program: the settings command and dialog, the
// status bar, the acquisition telling the publisher, and a window that stays
// responsive while the broker does not answer.

#include "Fpublishtestsupport.h"
#include "app/Umain.h"
#include "app/Upublishing.h"
#include "dialogs/Upublishsettings.h"
#include "support/Cbroker.h"
#include "support/Csubscriber.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The longest stretch between two turns of the event loop while it runs
// for the given time.
class TGapMeter : public QObject {
public:
    TGapMeter() {
        FTimer.setInterval(5);
        connect(&FTimer, &QTimer::timeout, this, [this] {
            FLongest = std::max(FLongest, FLast.restart());
        });
        FLast.start();
        FTimer.start();
    }
    qint64 Longest() const { return FLongest; }

private:
    QTimer FTimer;
    QElapsedTimer FLast;
    qint64 FLongest = 0;
};

} // namespace

class TestPublishWindow : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TSimClock FClock{SecondsFromLocal({2026, 3, 10, 14, 0, 30}), 1000};
    TRecordingMessages FMessages;
    TEnv FEnv;
    int FLevel = 2;

    std::unique_ptr<TfmMain> MakeMain() {
        return std::make_unique<TfmMain>(FEnv, [this](int) { return FLevel; });
    }

    void WriteIni(const QByteArray& mqtt) {
        QVERIFY(WriteFileBytes(FEnv.IniPath(), "[ZEDA]\nBetriebsort=Werk Nord\n[MQTT]\n" + mqtt));
    }

    static TPublisher::Options Quick() {
        TPublisher::Options o = QuickOptions();
        o.link.connectTimeoutMs = 500;
        return o;
    }

private slots:
    void init() {
        QVERIFY(FDir.isValid());
        FEnv.dataDir = FDir.path();
        FEnv.clock = &FClock;
        FEnv.messages = &FMessages;
        FEnv.notices = nullptr;
        FMessages.Clear();
        FLevel = 2;
        for (const QString& f : QDir(FDir.path()).entryList(QDir::Files))
            QFile::remove(FDir.filePath(f));
    }

    void settingsCommandIsForTheAdministrator() {
        WriteIni("Enabled=0\n");
        FLevel = 1;
        auto w = MakeMain();
        QVERIFY(!w->findChild<QAction*>("Publishing")->isVisible());
        FLevel = 2;
        w.reset();
        w = MakeMain();
        QAction* item = w->findChild<QAction*>("Publishing");
        QVERIFY(item->isVisible());
        bool shown = false;
        w->ExecDialog = [&](QDialog& d) {
            shown = d.objectName() == "fmPublishSettings";
            return int(QDialog::Rejected);
        };
        item->trigger();
        QVERIFY(shown);
        QVERIFY(!w->Publishing()->Running());
        QVERIFY(!w->Publishing()->StatusLabel()->isVisible());
    }

    void dialogWritesTheSectionAndTellsWhatIsMissing() {
        WriteIni("");
        TfmPublishSettings d(FEnv);
        QCOMPARE(d.edtTopic->placeholderText(), QString("zeda/Werk_Nord"));
        d.chkEnabled->setChecked(true);
        d.buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(FMessages.Texts(), QStringList{"Error - Please enter the broker's host name!"});
        QCOMPARE(d.result(), int(QDialog::Rejected));
        d.edtHost->setText("broker.example");
        d.edtTopic->setText("plant/#");
        d.buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(FMessages.Texts().last(),
                 QString("Error - A topic to publish to cannot hold \"+\" or \"#\"!"));
        d.edtTopic->setText("plant/a");
        d.edtUser->setText("anna");
        d.edtPassword->setText("geheim");
        d.buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const PublishSettings s = ReadPublishSettings(TIniFile(FEnv.IniPath()));
        QVERIFY(s.enabled);
        QCOMPARE(s.host, QString("broker.example"));
        QCOMPARE(s.topic, QString("plant/a"));
        QCOMPARE(s.password, QString("geheim"));
        QVERIFY(FileBytes(FEnv.IniPath()).contains("\nPassword=5f545c57515c\n"));
    }

    void testConnectionReportsTheBrokersAnswer() {
        QTemporaryDir brokerDir;
        TBroker broker(brokerDir.path());
        QVERIFY(broker.Start());
        WriteIni("");
        TfmPublishSettings d(FEnv);
        d.edtHost->setText("127.0.0.1");
        d.edtPort->setText(QString::number(broker.Port()));
        TGapMeter gaps;
        d.btnTest->click();
        QCOMPARE(d.lblTest->text(), QString("Connecting to 127.0.0.1:%1 ...").arg(broker.Port()));
        QTRY_COMPARE(d.lblTest->text(),
                     QString("The broker 127.0.0.1:%1 accepted the connection.").arg(broker.Port()));
        const int closed = FreePort();
        d.edtPort->setText(QString::number(closed));
        d.btnTest->click();
        QTRY_COMPARE(d.lblTest->text(),
                     QString("No connection to the broker 127.0.0.1:%1: Connection refused")
                         .arg(closed));
        QVERIFY2(gaps.Longest() < 100, qPrintable(QString::number(gaps.Longest())));
    }

    void windowStaysResponsiveWhileTheBrokerDoesNotAnswer() {
        TSilentListener silent;
        WriteIni("Enabled=1\nHost=127.0.0.1\nPort=" + QByteArray::number(silent.Port()) + "\n");
        auto w = MakeMain();
        w->show();
        TPublishing* p = w->Publishing();
        p->options = Quick();
        p->Restart();
        TGapMeter gaps;
        QElapsedTimer t;
        t.start();
        QTRY_VERIFY_WITH_TIMEOUT(p->Status().state == PublishStatus::Waiting &&
                                     t.elapsed() > 1500,
                                 10000);
        QCOMPARE(p->Status().error,
                 QString("Error - No connection to the broker 127.0.0.1:%1: the broker did not "
                         "answer within 0.5 s")
                     .arg(silent.Port()));
        // The window fetches the unit's present minute as soon as it is
        // shown: the backlog is whatever that leaves.
        QVERIFY2(QRegularExpression("^MQTT: no connection, backlog \\d+, acknowledged up to -$")
                     .match(p->StatusLabel()->text())
                     .hasMatch(),
                 qPrintable(p->StatusLabel()->text()));
        QCOMPARE(p->StatusLabel()->toolTip(), p->Status().error);
        QVERIFY2(gaps.Longest() < 100, qPrintable(QString::number(gaps.Longest())));

        // A name no server knows.
        WriteIni("Enabled=1\nHost=broker.invalid\n");
        p->Restart();
        TGapMeter gaps2;
        QTRY_VERIFY_WITH_TIMEOUT(p->Status().error.endsWith("the host name cannot be resolved"),
                                 20000);
        QVERIFY2(gaps2.Longest() < 100, qPrintable(QString::number(gaps2.Longest())));
        QElapsedTimer closing;
        closing.start();
        w->close();
        QVERIFY2(closing.elapsed() < 3000, qPrintable(QString::number(closing.elapsed())));
    }

    void anotherPublisherIsNamedAndTakenOverFromWhenItEnds() {
        const int closed = FreePort();
        WriteIni("Enabled=1\nHost=127.0.0.1\nPort=" + QByteArray::number(closed) + "\n");
        auto holder = std::make_unique<TPublishState>(FDir.path());
        QVERIFY(holder->Lock("zedactl"));
        auto w = MakeMain();
        TPublishing* p = w->Publishing();
        p->options = Quick();
        p->refusedRetryMs = 200;
        p->Restart();
        const QString text = QString("MQTT: Error - Publishing from %1 is already done by "
                                     "zedactl (process %2)!")
                                 .arg(FDir.path())
                                 .arg(QCoreApplication::applicationPid());
        QTRY_COMPARE(p->StatusLabel()->text(), text);
        holder.reset();
        QTRY_COMPARE(p->Status().state, PublishStatus::Waiting);
        QCOMPARE(p->Status().error,
                 QString("Error - No connection to the broker 127.0.0.1:%1: Connection refused")
                     .arg(closed));
    }

    void unsavedCursorShowsInTheStatusBar() {
        const int closed = FreePort();
        WriteIni("Enabled=1\nHost=127.0.0.1\nPort=" + QByteArray::number(closed) +
                 "\nTopic=test/a\n");
        // Where the new cursor file would be written, a directory is in the way.
        QVERIFY(QDir(FDir.path()).mkdir("publish.state.new"));
        auto w = MakeMain();
        TPublishing* p = w->Publishing();
        p->options = Quick();
        p->Restart();
        QTRY_COMPARE(p->Status().state, PublishStatus::Waiting);
        QCOMPARE(p->StatusLabel()->text(),
                 QString("MQTT: no connection, backlog 0, acknowledged up to - - Warning - The "
                         "cursor cannot be saved in %1: File exists!")
                     .arg(FDir.filePath("publish.state")));
        w.reset();
        QVERIFY(QDir(FDir.path()).rmdir("publish.state.new"));
    }

    void storedMinutesReachTheBrokerAndTheStatusBar() {
        QTemporaryDir brokerDir;
        TBroker broker(brokerDir.path());
        QVERIFY(broker.Start());
        TSubscriber sub("sub-window", broker.Port(), "test/#");
        QTRY_VERIFY(sub.Subscribed());
        WriteIni("Enabled=1\nHost=127.0.0.1\nPort=" + QByteArray::number(broker.Port()) +
                 "\nTopic=test/a\n");
        auto w = MakeMain();
        w->show();
        TPublishing* p = w->Publishing();
        p->options = Quick();
        // Only the acquisition's word makes the publisher look.
        p->options.pollMs = 600000;
        p->Restart();
        QTRY_COMPARE(p->Status().state, PublishStatus::Connected);
        // The acquisition's cycles, five seconds of the clock a tick.
        w->MainTimer()->setInterval(10);
        connect(w->MainTimer(), &QTimer::timeout, this, [this] { FClock.Advance(5); });
        QTRY_VERIFY_WITH_TIMEOUT(sub.Count("test/a/minute") >= 2, 10000);
        w->MainTimer()->stop();
        const QList<QByteArray> got = sub.Payloads("test/a/minute");
        QCOMPARE(MinuteOf(got[0]), QString("2026-03-10 14:00"));
        QCOMPARE(MinuteOf(got[1]), QString("2026-03-10 14:01"));
        const WallMinute last =
            Wall(2026, 3, 10, 14, 0) + w->Service()->StoredCount() - 1;
        QTRY_COMPARE(p->Status().acknowledged, last);
        QTRY_COMPARE(p->StatusLabel()->text(),
                     "MQTT: connected, backlog 0, acknowledged up to " +
                         Text(last).replace('-', '.').replace(' ', " / "));
        w->close();
        QCOMPARE(FileBytes(FDir.filePath("publish.state")),
                 "cursor=" + Text(last).toLatin1() + "\npublished=2026-03-10 14:00/" +
                     Text(last).toLatin1() + '\n');
        QTRY_COMPARE(sub.Payloads("test/a/status").last(), QByteArray("offline"));
    }
};

QTEST_MAIN(TestPublishWindow)
#include "tst_publishwindow.moc"
