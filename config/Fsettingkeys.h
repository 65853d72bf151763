#pragma once

#include <QByteArray>

// The keys of the INI file's "ZEDA" section, each named once here; every
// reader and writer of a key takes its name from this place.
namespace SettingKey {

inline const QByteArray Location = "Betriebsort";
inline const QByteArray RetentionMonths = "Datenerhaltzeitraum";
inline const QByteArray TimeZoom = "Zeitfaktor";
// "Größenfaktor" in code page 850, matched as its bytes.
inline const QByteArray SizeZoom =
    QByteArray("\x47\x72\x94\xE1\x65\x6E\x66\x61\x6B\x74\x6F\x72", 12);
inline const QByteArray Background = "FormsColor";
inline const QByteArray PrinterFont = "Druckerschriftdefinition";
inline const QByteArray PortNumber = "Kommunikationsport";
inline const QByteArray BaudRate = "Baudrate";
inline const QByteArray UnitKind = "Unit"; // "sim" or "serial"
inline const QByteArray AdminPassword = "KennwortAdmin";
inline const QByteArray OperatorPassword = "KennwortOperator";

// "Kanal_1" … "Kanal_14": a channel's definition.
inline QByteArray Channel(int number) {
    return "Kanal_" + QByteArray::number(number);
}
// "SZ_2026": the summer time rule of a calendar year.
inline QByteArray SummerTime(int year) {
    return "SZ_" + QByteArray::number(year);
}
// "COM1" … "COM4": another device for a port.
inline QByteArray PortDevice(int number) {
    return "COM" + QByteArray::number(number);
}

} // namespace SettingKey
