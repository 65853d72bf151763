#include "config/Cconfig.h"

#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Ffontrecord.h"

TConfig* Config = nullptr;

namespace {

constexpr int32_t White = 1;
constexpr int32_t Grey = 2;

} // namespace

TConfig::TConfig(QString iniPath) : FIniPath(std::move(iniPath)) {
    Load();
}

void TConfig::SetBackgroundChoice(int32_t choice) {
    backgroundChoice = choice;
    if (choice == White)
        backgroundColour = 0xFFFFFF;
    else if (choice == Grey)
        backgroundColour = 0xC0C0C0;
}

void TConfig::Load() {
    const TIniFile ini(FIniPath);
    LoadBackground(ini);
    LoadLocation(ini);
    LoadRetention(ini);
    LoadChannels(ini);
    LoadPrinterFont(ini);
    LoadZooms(ini);
}

void TConfig::Reload(int part) {
    const TIniFile ini(FIniPath);
    switch (part) {
    case 0:
        LoadLocation(ini);
        break;
    case 1:
        LoadRetention(ini);
        break;
    case 2:
        LoadChannels(ini);
        break;
    default:
        // 3 (operators) and 4 (summer time) are read where they are used.
        break;
    }
}

void TConfig::LoadBackground(const TIniFile& ini) {
    SetBackgroundChoice(ini.ReadInteger(IniSection, "FormsColor", White));
}

void TConfig::LoadLocation(const TIniFile& ini) {
    location = ini.ReadString(IniSection, "Betriebsort", QByteArray());
}

void TConfig::LoadRetention(const TIniFile& ini) {
    retentionMonths = static_cast<uint16_t>(ini.ReadInteger(IniSection, "Datenerhaltzeitraum", 0));
}

void TConfig::LoadChannels(const TIniFile& ini) {
    ReloadChannelDefs(ini, channels);
}

void TConfig::LoadPrinterFont(const TIniFile& ini) {
    QByteArray bytes;
    if (!TextToFontBytes(ini.ReadString(IniSection, "Druckerschriftdefinition", QByteArray()),
                         bytes))
        return;
    printerFontRecord = bytes;
    printerFontSet = true;
}

void TConfig::LoadZooms(const TIniFile& ini) {
    timeZoom = ini.ReadInteger(IniSection, "Zeitfaktor", 1);
    sizeZoom = ini.ReadInteger(IniSection, SizeFactorKey, 1);
}

bool WriteConfigKey(const TEnv& env, const QByteArray& key, const QByteArray& value) {
    const QString path = env.IniPath();
    if (TIniFile(path).WriteString(IniSection, key, value))
        return true;
    if (env.messages)
        env.messages->Show(TMessages::Error, CannotWriteText(path));
    return false;
}

bool WriteConfigKey(const TEnv& env, const QByteArray& key, int value) {
    return WriteConfigKey(env, key, QByteArray::number(value));
}
