#include "comm/Fcommlink.h"

#include "comm/Ccommserial.h"
#include "comm/Ccommsim.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fsettingkeys.h"

#include <QCoreApplication>

UnitKind ReadUnitKind(const TEnv& env) {
    const QByteArray kind =
        TIniFile(env.IniPath()).ReadString(IniSection, SettingKey::UnitKind, "sim");
    return kind.toLower() == "serial" ? UnitKind::Serial : UnitKind::Simulator;
}

std::unique_ptr<TCommBase> CreateComm(const TEnv& env) {
    if (ReadUnitKind(env) == UnitKind::Serial)
        return std::make_unique<TCommSerial>(env);
    return std::make_unique<TCommSim>(env);
}

QString UnitKindText(const TCommBase& comm) {
    return dynamic_cast<const TCommSerial*>(&comm)
               ? QCoreApplication::translate("Fcommlink", "Unit: serial (Unit=serial)")
               : QCoreApplication::translate("Fcommlink", "Unit: simulator (Unit=sim)");
}

int PortItemFromIni(const TEnv& env) {
    // A missing key: the port the link tries at start.
    const int port = TIniFile(env.IniPath()).ReadInteger(IniSection, SettingKey::PortNumber, 2);
    return port >= 1 && port <= 4 ? port - 1 : -1;
}

int SpeedItemFromIni(const TEnv& env) {
    const int speed = TIniFile(env.IniPath()).ReadInteger(IniSection, SettingKey::BaudRate, 0);
    for (int i = 0; i < 5; ++i) {
        if (uint32_t(speed) == DialogSpeeds[i])
            return i;
    }
    return 5;
}

bool WriteCommSettings(const TEnv& env, int portItem, int speedItem) {
    if (portItem >= 0 && portItem <= 3 &&
        !WriteConfigKey(env, SettingKey::PortNumber, portItem + 1))
        return false;
    const int item = speedItem >= 0 && speedItem <= 5 ? speedItem : 5;
    return WriteConfigKey(env, SettingKey::BaudRate, int(DialogSpeeds[item]));
}

QString AutoDetectFailedText() {
    // The communication dialog's text, shared by zedactl unit detect.
    return QCoreApplication::translate("Ucommunication", "Auto detect NO!");
}
