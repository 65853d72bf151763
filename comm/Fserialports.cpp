#include "comm/Fserialports.h"

#include "comm/Ccommbase.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fsettingkeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

QString StableDeviceName(const QString& systemPath, const QString& byIdDir) {
    const QString target = QFileInfo(systemPath).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir dir(byIdDir);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString link = dir.filePath(name);
        if (QFileInfo(link).canonicalFilePath() == target)
            return link;
    }
    return {};
}

QList<SerialDevice> ListSerialDevices(const QString& byIdDir) {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.systemPath = info.systemLocation();
        d.device = StableDeviceName(d.systemPath, byIdDir);
        if (d.device.isEmpty())
            d.device = d.systemPath;
        d.description = info.description();
        d.manufacturer = info.manufacturer();
        devices << d;
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.device < b.device; });
    return devices;
}

QStringList ComPortLines(const TIniFile& ini) {
    QStringList lines;
    for (uint16_t p = 1; p <= 4; ++p)
        lines << QStringLiteral("COM%1  %2").arg(p).arg(PortDevice(ini, p));
    return lines;
}

QString SerialDeviceLine(const SerialDevice& d) {
    QStringList parts{d.device};
    if (d.device != d.systemPath)
        parts << "(" + d.systemPath + ")";
    for (const QString& part : {d.description, d.manufacturer}) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    return parts.join(QStringLiteral("  "));
}

bool WritePortDevice(const TEnv& env, int portNumber, const QString& device) {
    if (portNumber < 1 || portNumber > 4)
        return false;
    if (!WriteConfigKey(env, SettingKey::PortNumber, portNumber))
        return false;
    const TIniFile ini(env.IniPath());
    if (device.isEmpty() || PortDevice(ini, uint16_t(portNumber)) == device)
        return true;
    return WriteConfigKey(env, SettingKey::PortDevice(portNumber), QFile::encodeName(device));
}
