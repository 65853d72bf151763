#include "Cptyunit.h"
#include "app/Umain.h"
#include "app/Uunitcommands.h"
#include "comm/Ccommserial.h"
#include "comm/Ccommsim.h"
#include "comm/Cnotices.h"
#include "comm/Fcommlink.h"
#include "comm/Funitinfo.h"
#include "comm/Uacqinfo.h"
#include "comm/Uchanneltest.h"
#include "comm/Ucommunication.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Flanguage.h"
#include "support/Crecordingmessages.h"
#include "view/Uchildbase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

namespace {

// The simulator, with a clock setting that is noted and answered as told,
// and present values that can be fixed or withheld.
class TTestUnit : public TCommSim {
public:
    using TCommSim::TCommSim;

    int32_t SetClock(const DeviceClock& clock) override {
        set << clock;
        return setAnswer;
    }
    int32_t GetClock(DeviceClock& clock) override {
        ++reads;
        if (duringRead)
            duringRead();
        return TCommSim::GetClock(clock);
    }
    int32_t ReadCurrent(SampleRecord& record) override {
        ++reads;
        if (duringRead)
            duringRead();
        if (currentAnswer != 1 || fixedValue < 0)
            return currentAnswer == 1 ? TCommSim::ReadCurrent(record) : currentAnswer;
        record.values.fill(uint16_t(fixedValue));
        return 1;
    }

    QList<DeviceClock> set;
    // Runs inside a reading, as a timer tick does while a serial unit is
    // slow to answer.
    std::function<void()> duringRead;
    int reads = 0;
    int32_t setAnswer = 1;
    int32_t currentAnswer = 1;
    int fixedValue = -1;
};

class TCountingNotices : public TNotices {
public:
    void TimeDiff() override { ++timeDiffs; }
    void Disconnect() override {}
    int timeDiffs = 0;
};

QString ClockText(const DeviceClock& c) {
    return QString::asprintf("%u-%02u-%02u %02u:%02u:%02u", 1980u + c.year, c.month, c.day, c.hour,
                             c.minute, c.second);
}

// Runs answer on the first visible dialog of type T once its modal loop runs.
template <typename T> void WhenShown(const std::function<void(T&)>& answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<T*>(w); d && d->isVisible()) {
                answer(*d);
                return;
            }
        }
    });
}

} // namespace

class TestUnitDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 45, 7}), 1000};
    TRecordingMessages messages;
    TCountingNotices notices;
    TEnv env;

    void WriteIni(const QByteArray& key, const QByteArray& value) {
        QVERIFY(TIniFile(env.IniPath()).WriteString(IniSection, key, value));
    }
    QByteArray IniValue(const QByteArray& key) const {
        return TIniFile(env.IniPath()).ReadString(IniSection, key, "<none>");
    }

private slots:
    void init() {
        QFile::remove(env.IniPath());
        clock.SetLocal({2026, 3, 10, 14, 45, 7});
        messages.Clear();
        notices = {};
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        env.notices = &notices;
    }

    // The unit's clock and firmware date in the installed language's form;
    // zedactl's lines keep theirs.
    void informationTakesTheLanguagesDateForm() {
        TTestUnit unit(env);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), Language::German));
        TfmACQInfo info(env, unit);
        const QString time = info.lblTime->text();
        const QString version = info.lblVersion->text();
        const QString editor = info.edtDate->displayFormat();
        const QString script = UnitClockText(unit);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), Language::Source));
        QCOMPARE(time, QString("10.03.2026 14:45:07"));
        QCOMPARE(version, QString("1.10  -/- 14.11.1992"));
        QCOMPARE(editor, QString("dd.MM.yyyy"));
        QCOMPARE(script, QString("2026.03.10  /  14:45:07"));
    }

    void informationTexts() {
        TTestUnit unit(env);
        unit.Tick();
        clock.Advance(60);
        unit.Tick();
        TfmACQInfo info(env, unit);
        QCOMPARE(info.windowTitle(), QString("System information"));
        QCOMPARE(info.lblVersion->text(), QString("1.10  -/- 1992.11.14"));
        QCOMPARE(info.lblTime->text(), QString("2026.03.10 / 14:46:07"));
        QCOMPARE(info.lblCount->text(), QString("2"));
        QCOMPARE(info.edtDate->date(), QDate(2026, 3, 10));
        QCOMPARE(info.edtTime->time(), QTime(14, 46, 7));
        QCOMPARE(info.Timer1->interval(), 1000);
        QVERIFY(!info.Timer1->isActive()); // only while shown

        unit.RemoveOldest();
        clock.Advance(1);
        info.Timer1Timer();
        QCOMPARE(info.lblCount->text(), QString("1"));
        QCOMPARE(info.lblTime->text(), QString("2026.03.10 / 14:46:08"));

        // A unit that does not answer.
        TCommSerial cut(env);
        TfmACQInfo none(env, cut);
        QCOMPARE(none.lblVersion->text(), QString("#INV"));
        QCOMPARE(none.lblTime->text(), QString("#INV"));
        QCOMPARE(none.lblCount->text(), QString("#INV"));
    }

    void channelTestTexts() {
        WriteIni("Kanal_1", "1,Druck,bar,0,10,0,5000,0,2,1,3,10");
        WriteIni("Kanal_2", "0,Frei,,0,10,0,5000,0,2,1,3,10");
        TConfig config(env.IniPath());
        Config = &config;
        TTestUnit unit(env);
        {
            TfmChannelTest test(env, unit);
            QCOMPARE(test.windowTitle(), QString("Channel test"));
            QCOMPARE(test.findChild<QLabel*>("lblChannel1")->text(), QString("Channel   1:"));
            QCOMPARE(test.findChild<QLabel*>("lblChannel14")->text(), QString("Channel  14:"));
            QCOMPARE(test.lblName[0]->text(), QString("Druck"));
            QCOMPARE(test.lblName[1]->text(), QString("Frei")); // not in use, still named
            QCOMPARE(test.lblValue[0]->text(), QString("0045"));
            QCOMPARE(test.lblValue[13]->text(), QString("0175"));
            QCOMPARE(test.Timer1->interval(), 2000);

            unit.fixedValue = 12345;
            test.Timer1Timer();
            QCOMPARE(test.lblValue[4]->text(), QString("12345"));
            unit.currentAnswer = 2; // anything but 1 leaves the values
            test.Timer1Timer();
            QCOMPARE(test.lblValue[4]->text(), QString("12345"));
        }
        Config = nullptr;
    }

    // A tick that comes while a reading waits for a slow unit is skipped;
    // otherwise the readings would nest deeper with every tick.
    void ticksDuringASlowReadingAreSkipped() {
        TTestUnit unit(env);
        TfmChannelTest test(env, unit);
        TfmACQInfo info(env, unit);
        unit.reads = 0;
        unit.duringRead = [&] {
            test.Timer1Timer();
            info.Timer1Timer();
        };
        test.Timer1Timer();
        QCOMPARE(unit.reads, 2); // its own and the information dialog's
        unit.reads = 0;
        info.Timer1Timer();
        QCOMPARE(unit.reads, 2);
    }

    // The pickers follow the PC clock until edited: "Set" five minutes after
    // opening writes the time of the press, not that of the opening.
    void staleClockIsNotWrittenIntoTheUnit() {
        TTestUnit unit(env);
        TfmACQInfo info(env, unit);
        clock.Advance(300);
        info.btnSetDate->click();
        QCOMPARE(unit.set.size(), 1);
        QCOMPARE(ClockText(unit.set[0]), QString("2026-03-10 14:50:07"));

        info.edtTime->setTime(QTime(9, 0, 0));
        QVERIFY(info.PickersEdited());
        clock.Advance(60);
        info.Timer1Timer();
        QCOMPARE(info.edtTime->time(), QTime(9, 0, 0));
        info.btnSetDate->click();
        QCOMPARE(ClockText(unit.set[1]), QString("2026-03-10 09:00:00"));
        QVERIFY(!info.PickersEdited()); // set: it follows the PC clock again
        QVERIFY(messages.shown.isEmpty());
    }

    // A clock 30 days or more away would make the cycle throw away every
    // record after it; a year outside the year byte would wrap.
    void clockFarFromThePcIsRefused() {
        TTestUnit unit(env);
        TfmACQInfo info(env, unit);
        info.edtDate->setDate(QDate(2026, 4, 10)); // 31 days ahead
        info.btnSetDate->click();
        QCOMPARE(notices.timeDiffs, 1);
        QVERIFY(unit.set.isEmpty());
        info.edtDate->setDate(QDate(2026, 4, 8));
        info.btnSetDate->click();
        QCOMPARE(unit.set.size(), 1);

        QCOMPARE(info.edtDate->minimumDate(), QDate(1980, 1, 1));
        QCOMPARE(info.edtDate->maximumDate(), QDate(2235, 12, 31));
        QCOMPARE(SetUnitClock(unit, {1979, 12, 31, 23, 0, 0}), ClockSetting::OutOfRange);
        QCOMPARE(SetUnitClock(unit, {2236, 1, 1, 0, 0, 0}), ClockSetting::OutOfRange);
        QCOMPARE(unit.set.size(), 1);

        unit.setAnswer = 0;
        info.btnSetDate->click();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, TMessages::Error);
        QCOMPARE(messages.shown[0].text,
                 QString("Es besteht keine Verbindung zum Akquisitionssystem!"));
    }

    void communicationDialogOpens_data() {
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<int>("portItem");
        QTest::addColumn<int>("speedItem");
        // The port the link tried at start: COM2.
        QTest::newRow("no keys") << QByteArray() << QByteArray() << 1 << 5;
        QTest::newRow("COM3 at 9600") << QByteArray("3") << QByteArray("9600") << 2 << 4;
        QTest::newRow("14400 shows 19200") << QByteArray("1") << QByteArray("14400") << 0 << 5;
        QTest::newRow("port 5, 600") << QByteArray("5") << QByteArray("600") << -1 << 0;
    }

    void communicationDialogOpens() {
        QFETCH(QByteArray, port);
        QFETCH(QByteArray, speed);
        QFETCH(int, portItem);
        QFETCH(int, speedItem);
        if (!port.isEmpty())
            WriteIni("Kommunikationsport", port);
        if (!speed.isEmpty())
            WriteIni("Baudrate", speed);
        TCommSim unit(env);
        TfmCommunication d(env, unit);
        QCOMPARE(d.findChild<QRadioButton*>("rgSpeedItem0")->text(), QString("  600 Baud"));
        QCOMPARE(d.PortItem(), portItem);
        QCOMPARE(d.SpeedItem(), speedItem);
        QCOMPARE(d.lblUnit->text(), QString("Unit: simulator (Unit=sim)"));
    }

    // OK with no port selected used to write port 0, and every later start
    // reported "COM0 cannot connected!"; the key now stays as it is.
    void portZeroIsNeverWritten() {
        WriteIni("Kommunikationsport", "9");
        TCommSim unit(env);
        {
            TfmCommunication d(env, unit);
            d.btnOk->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("9"));
        QCOMPARE(IniValue("Baudrate"), QByteArray("19200"));
        TfmCommunication d(env, unit);
        d.SelectPort(2);
        d.SelectSpeed(1);
        d.btnOk->click();
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("3"));
        QCOMPARE(IniValue("Baudrate"), QByteArray("1200"));
        TfmCommunication cancelled(env, unit);
        cancelled.SelectPort(0);
        cancelled.btnCancel->click();
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("3"));
    }

    void autoDetectInTheDialog() {
        TPtyUnit line([](int baud) { return QByteArray(baud == 19200 ? "B" : ""); });
        QVERIFY(line.IsOpen());
        const QByteArray missing = dir.filePath("missing").toLocal8Bit();
        WriteIni("COM1", line.Path());
        for (const char* key : {"COM2", "COM3", "COM4"})
            WriteIni(key, missing);
        WriteIni("Kommunikationsport", "4");
        WriteIni("Baudrate", "600");
        // The search waits on the running millisecond clock.
        TSystemClock pcClock;
        env.clock = &pcClock;
        TCommSim unit(env);
        TfmCommunication d(env, unit);
        d.btnDetect->click();
        // The search said neither where nor how fast it found the unit.
        QCOMPARE(messages.Texts(),
                 QStringList{"Auto detect OK!\nThe unit answers on COM1 (" +
                             QString::fromLocal8Bit(line.Path()) + ") at 19200 Baud. Use these?"});
        QCOMPARE(messages.shown[0].kind, TMessages::Confirmation);
        QCOMPARE(d.UnitItem(), 1);
        QCOMPARE(d.PortItem(), 0);
        QCOMPARE(d.SpeedItem(), 5);
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("4")); // stored only on OK
    }

    // The dialog could not point the link at a device: the serial line, a
    // port and its device chosen there land in the keys the link reads.
    void dialogChoosesADeviceForTheSerialLine() {
        TCommSim unit(env);
        QVERIFY(unit.Start());
        const QString byId = "/dev/serial/by-id/usb-FTDI_Unit_A1B2-if00-port0";
        {
            TfmCommunication d(env, unit);
            QCOMPARE(d.UnitItem(), 0);
            QCOMPARE(d.lblDevice->text(), QString("Device in use: /dev/ttyS1"));
            d.findChild<QRadioButton*>("rgUnitItem1")->click();
            d.findChild<QRadioButton*>("rgCommItem0")->click();
            QCOMPARE(d.cmbDevice->currentText(), QString("/dev/ttyS0"));
            // A listed device is stored by its name, not by its line.
            d.cmbDevice->addItem("usb-FTDI_Unit (/dev/ttyUSB1)  FT232R USB UART  FTDI", byId);
            d.cmbDevice->setCurrentIndex(d.cmbDevice->count() - 1);
            QCOMPARE(d.Device(), byId);
            d.SelectSpeed(4);
            d.btnOk->click();
        }
        QCOMPARE(IniValue("Unit"), QByteArray("serial"));
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("1"));
        QCOMPARE(IniValue("COM1"), byId.toUtf8());
        QCOMPARE(IniValue("Baudrate"), QByteArray("9600"));
        QCOMPARE(messages.Texts(), QStringList{"The unit link changes when ZEDA starts again."});

        TfmCommunication again(env, unit);
        QCOMPARE(again.UnitItem(), 1);
        QCOMPARE(again.Device(), byId);
    }

    // The window's close waits until the cycle has finished with the
    // running-month window, which the close sequence takes down.
    void closeWaitsForTheRunningCycle() {
        TfmMain main(env, [](int) { return 2; });
        // The cycle asks the main window to close, as a close request
        // arriving while the cycle waits for the serial unit does.
        bool accepted = true;
        main.Service()->cycle = [&] {
            accepted = main.close();
            return 11;
        };
        main.Timer1Timer(); // the first tick runs the cycle
        QVERIFY(!accepted);
        QCOMPARE(IniValue("Zeitfaktor"), QByteArray("<none>"));
        QTRY_COMPARE(IniValue("Zeitfaktor"), QByteArray("1")); // written by the close
    }

    // The command keeps the cycle suspended while the dialog is open and
    // reads the port settings again, after Cancel as after OK; the
    // simulator opens no port at any time, so no port message comes.
    void communicationCommand() {
        TPtyUnit line([](int) { return QByteArray(); });
        QVERIFY(line.IsOpen());
        WriteIni("COM2", line.Path());
        WriteIni("COM3", dir.filePath("missing").toLocal8Bit());
        TfmMain main(env, [](int) { return 2; });
        QVERIFY(Comm && !Comm->PortHandle);
        bool busyWhileShown = false;
        bool portClosedWhileShown = false;
        WhenShown<TfmCommunication>([&](TfmCommunication& d) {
            busyWhileShown = main.Busy();
            portClosedWhileShown = !Comm->PortHandle;
            d.btnCancel->click();
        });
        main.UnitCommands().CommunicationExecute();
        QVERIFY(busyWhileShown);
        QVERIFY(portClosedWhileShown);
        QVERIFY(!main.Busy());
        QVERIFY(!Comm->PortHandle);

        WhenShown<TfmCommunication>([](TfmCommunication& d) {
            d.SelectPort(2);
            d.btnOk->click();
        });
        main.UnitCommands().CommunicationExecute();
        QCOMPARE(Comm->PortNumber, uint16_t(3));
        QVERIFY(!Comm->PortHandle);
        QCOMPARE(messages.shown.size(), 0);
        QVERIFY(!main.Busy());
    }
};

QTEST_MAIN(TestUnitDialogs)
#include "tst_unitdialogs.moc"
