// The stable by-id name of a serial device.
#include "comm/Fserialports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSerialPorts : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The link that leads to the device, not one to another or to nothing.
    void stableNameIsTheLinkToTheDevice() {
        QVERIFY(QDir(dir.path()).mkpath("dev/serial/by-id"));
        for (const char* name : {"dev/ttyUSB0", "dev/ttyUSB1", "dev/ttyS0"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString byId = dir.filePath("dev/serial/by-id");
        QVERIFY(QFile::link("../../ttyUSB1", byId + "/usb-FTDI_B-if00-port0"));
        QVERIFY(QFile::link("../../ttyUSB0", byId + "/usb-Prolific_A-if00-port0"));
        QVERIFY(QFile::link("../../gone", byId + "/usb-gone"));
        QCOMPARE(StableDeviceName(dir.filePath("dev/ttyUSB0"), byId),
                 byId + "/usb-Prolific_A-if00-port0");
        QCOMPARE(StableDeviceName(dir.filePath("dev/ttyUSB1"), byId),
                 byId + "/usb-FTDI_B-if00-port0");
        QCOMPARE(StableDeviceName(dir.filePath("dev/ttyS0"), byId), QString());
    }
};

QTEST_GUILESS_MAIN(TestSerialPorts)
#include "tst_serialports.moc"
