#include "app/Ualarming.h"
#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "dialogs/Ualarmlimits.h"
#include "files/Calarmevaluator.h"
#include "files/Falarmlog.h"
#include "support/Crecordingmessages.h"
#include "view/Ualarmpanel.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// Alarms in the windowed program: the running month's minutes raise them,
// the panels and the status bar show them, an operator acknowledges them.
class TestAlarmsWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // The simulated unit's channel 1 reads the minute of the hour: 0 at 14:00.
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 30}), 1000};
    TRecordingMessages messages;
    TEnv env;
    std::unique_ptr<TfmMain> w;

    bool WriteIni(const QByteArray& alarms) {
        QFile f(env.IniPath());
        const QByteArray text =
            "[ZEDA]\nKanal_1=1,Temp,C,0,1,0,100,0,0,0,0,0\n[Alarms]\n" + alarms + "\n";
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }

private slots:
    void init() {
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
    }
    void cleanup() { w.reset(); }

    void anAlarmIsShownAndAcknowledgedInTheOperatorsName() {
        QVERIFY(WriteIni("Kanal_1=low=5.0"));
        w = std::make_unique<TfmMain>(env, [](int) { return 1; });
        w->show();
        Config->operatorLoggedIn = true;
        Config->operatorName = "Huber";
        TAlarming* alarming = w->Alarming();
        QVERIFY(alarming);
        QTRY_VERIFY(fmChildAct && fmChildAct->Document().display.minutesShown > 0);
        QTRY_COMPARE(alarming->Panel()->tblAlarms->rowCount(), 1);
        QTableWidget* t = alarming->Panel()->tblAlarms;
        QCOMPARE(t->item(0, TAlarmPanel::ColRaised)->text(), QString("2026.03.10 / 14:00"));
        QCOMPARE(t->item(0, TAlarmPanel::ColKind)->text(), QString("low"));
        QCOMPARE(t->item(0, TAlarmPanel::ColLimit)->text(), QString("5.0 C"));
        QVERIFY(alarming->Indicator()->isVisible());
        QCOMPARE(alarming->Indicator()->text(), QString("Alarms: 1 not acknowledged"));
        QTableWidget* channels = w->ChannelPanel()->tblChannels;
        const int row = w->ChannelPanel()->RowOfChannel(0);
        QCOMPARE(channels->item(row, TChannelPanel::ColAlarm)->text(), QString("alarm"));
        QVERIFY(messages.beeps >= 2); // the cycle's and the alarm's

        QVERIFY(alarming->Panel()->btnAcknowledge->isEnabled());
        QTest::mouseClick(alarming->Panel()->btnAcknowledge, Qt::LeftButton);
        QVERIFY(!alarming->Indicator()->isVisible());
        QCOMPARE(channels->item(row, TChannelPanel::ColAlarm)->text(), QString("acknowledged"));
        QCOMPARE(t->item(0, TAlarmPanel::ColAcknowledged)->text(),
                 QString("2026.03.10 / 14:00 by Huber"));
        std::vector<AlarmLogEntry> log;
        QVERIFY(ReadAlarmLog(AlarmLogPath(env.dataDir), log));
        QCOMPARE(log.size(), size_t(2));
        QCOMPARE(log[1].event, AlarmAcknowledged);
        QCOMPARE(log[1].by, QString("Huber"));
    }

    // A viewer's alarms are logged by the service beside it.
    void alarmsLoggedByAnotherProcessAreShownAndTold() {
        QVERIFY(WriteIni(""));
        QMainWindow window;
        TAlarming alarming(env, &window);
        alarming.Start();
        const int before = alarming.Panel()->tblAlarms->rowCount();
        AlarmLogEntry e;
        e.event = AlarmRaised;
        e.channel = 1;
        e.raised = "2026-03-10 15:00";
        QVERIFY(AppendAlarmLog(AlarmLogPath(env.dataDir), {e}));
        const int beeps = messages.beeps;
        alarming.FollowLog();
        QCOMPARE(alarming.Panel()->tblAlarms->rowCount(), before + 1);
        QCOMPARE(messages.beeps, beeps + 1);
        // Unchanged on disk: nothing told again.
        alarming.FollowLog();
        QCOMPARE(messages.beeps, beeps + 1);
    }

    void theLimitsDialogRefusesNamingTheFieldAndWritesTheKey() {
        QVERIFY(WriteIni(""));
        TfmAlarmLimits dialog(env);
        dialog.cmbChannel->setCurrentIndex(2);
        dialog.edtHigh->setText("9x");
        messages.Clear();
        dialog.btnOk->click();
        QCOMPARE(messages.Texts(), QStringList{"The alarm field \"high\" needs a number with at "
                                               "most six decimals, not \"9x\"!"});
        QVERIFY(dialog.result() != QDialog::Accepted);
        dialog.edtHigh->setText("95");
        dialog.edtHysteresis->setText("1.5");
        dialog.btnOk->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(TIniFile(env.IniPath()).ReadString("Alarms", "Kanal_3", ""),
                 QByteArray("high=95.0,low=,highhigh=,lowlow=,hysteresis=1.5,delay=0,latched=0"));
    }
};

QTEST_MAIN(TestAlarmsWindow)
#include "tst_alarms.moc"
