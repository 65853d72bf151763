#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TIniFile;
struct TEnv;

// Where udev keeps the names of serial devices that stay the same when an
// adapter is plugged in again or into another socket.
inline const QString SerialByIdDir = QStringLiteral("/dev/serial/by-id");

// A serial device present on this computer.
struct SerialDevice {
    QString device;     // its name under the by-id folder when it has one, else systemPath
    QString systemPath; // e.g. /dev/ttyUSB0
    QString description;
    QString manufacturer;
};

// The devices present (QSerialPortInfo), each under its stable name where
// byIdDir holds a link to it, sorted by that name.
QList<SerialDevice> ListSerialDevices(const QString& byIdDir = SerialByIdDir);
// The link in byIdDir that leads to systemPath; empty when none does.
QString StableDeviceName(const QString& systemPath, const QString& byIdDir);

// "COM2  /dev/ttyS1" for the four ports as the INI file names them.
QStringList ComPortLines(const TIniFile& ini);
// "DEVICE  description  manufacturer", without the parts a device lacks.
QString SerialDeviceLine(const SerialDevice& device);

// Chooses port n (1 .. 4) for the link and the device it stands for:
// "Kommunikationsport" = n, and "COMn" = device unless the port keeps the
// device it names already. False after the write failure was reported.
bool WritePortDevice(const TEnv& env, int portNumber, const QString& device);
