// The serial devices as the port list names them: the stable by-id name of
// a device, the lines of the list, and the keys a chosen device is kept in.
#include "comm/Fserialports.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "support/Crecordingmessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestSerialPorts : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TRecordingMessages messages;
    TEnv env;

    QByteArray IniValue(const QByteArray& key) const {
        return TIniFile(env.IniPath()).ReadString(IniSection, key, "<none>");
    }

private slots:
    void init() {
        env.dataDir = dir.path();
        env.messages = &messages;
        QFile::remove(env.IniPath());
    }

    // The link that leads to the device, not one to another device; a
    // device without one has no stable name.
    void stableNameIsTheLinkToTheDevice() {
        QVERIFY(QDir(dir.path()).mkpath("dev/serial/by-id"));
        const QString usb0 = dir.filePath("dev/ttyUSB0");
        const QString usb1 = dir.filePath("dev/ttyUSB1");
        for (const QString& path : {usb0, usb1, dir.filePath("dev/ttyS0")}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString byId = dir.filePath("dev/serial/by-id");
        QVERIFY(QFile::link("../../ttyUSB1", byId + "/usb-FTDI_B-if00-port0"));
        QVERIFY(QFile::link("../../ttyUSB0", byId + "/usb-Prolific_A-if00-port0"));
        QVERIFY(QFile::link("../../gone", byId + "/usb-gone"));
        QCOMPARE(StableDeviceName(usb0, byId), byId + "/usb-Prolific_A-if00-port0");
        QCOMPARE(StableDeviceName(usb1, byId), byId + "/usb-FTDI_B-if00-port0");
        QCOMPARE(StableDeviceName(dir.filePath("dev/ttyS0"), byId), QString());
        QCOMPARE(StableDeviceName(dir.filePath("dev/missing"), byId), QString());
        QCOMPARE(StableDeviceName(usb0, dir.filePath("no-by-id")), QString());
    }

    void deviceLine_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("line");
        QTest::newRow("by-id") << "/dev/serial/by-id/usb-FTDI-if00"
                               << "/dev/ttyUSB0"
                               << "FT232R USB UART"
                               << "FTDI"
                               << "/dev/serial/by-id/usb-FTDI-if00  (/dev/ttyUSB0)  FT232R USB UART"
                                  "  FTDI";
        QTest::newRow("plain port") << "/dev/ttyS0"
                                    << "/dev/ttyS0"
                                    << ""
                                    << " "
                                    << "/dev/ttyS0";
        QTest::newRow("no maker") << "/dev/ttyACM0"
                                  << "/dev/ttyACM0"
                                  << "USB modem"
                                  << ""
                                  << "/dev/ttyACM0  USB modem";
    }

    void deviceLine() {
        QFETCH(QString, device);
        QFETCH(QString, system);
        QFETCH(QString, description);
        QFETCH(QString, manufacturer);
        QFETCH(QString, line);
        QCOMPARE(SerialDeviceLine({device, system, description, manufacturer}), line);
    }

    void comPortLinesFollowTheIniFile() {
        QVERIFY(TIniFile(env.IniPath()).WriteString(IniSection, "COM3", "/dev/ttyUSB0"));
        QCOMPARE(ComPortLines(TIniFile(env.IniPath())),
                 QStringList({"COM1  /dev/ttyS0", "COM2  /dev/ttyS1", "COM3  /dev/ttyUSB0",
                              "COM4  /dev/ttyS3"}));
    }

    // A device is kept under its port; the port's own device writes no key.
    void chosenDeviceIsKeptUnderItsPort() {
        QVERIFY(WritePortDevice(env, 3, "/dev/ttyS2"));
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("3"));
        QCOMPARE(IniValue("COM3"), QByteArray("<none>"));
        QVERIFY(WritePortDevice(env, 1, "/dev/serial/by-id/usb-FTDI-if00"));
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("1"));
        QCOMPARE(IniValue("COM1"), QByteArray("/dev/serial/by-id/usb-FTDI-if00"));
        QVERIFY(!WritePortDevice(env, 0, "/dev/ttyUSB0"));
        QVERIFY(!WritePortDevice(env, 5, "/dev/ttyUSB0"));
        QCOMPARE(IniValue("Kommunikationsport"), QByteArray("1"));
        QVERIFY(messages.shown.isEmpty());
    }

    // Whatever this machine has: each under a name that leads to it.
    void listedDevicesLeadToTheirSystemPath() {
        for (const SerialDevice& d : ListSerialDevices()) {
            QCOMPARE(QFileInfo(d.device).canonicalFilePath(),
                     QFileInfo(d.systemPath).canonicalFilePath());
        }
    }
};

QTEST_GUILESS_MAIN(TestSerialPorts)
#include "tst_serialports.moc"
