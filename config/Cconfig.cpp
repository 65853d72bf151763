#include "config/Cconfig.h"

#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Ffontrecord.h"
#include "config/Fsettingkeys.h"

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

void TConfig::Reload(TSettingsGroup group) {
    const TIniFile ini(FIniPath);
    switch (group) {
    case TSettingsGroup::Location:
        LoadLocation(ini);
        break;
    case TSettingsGroup::RetentionMonths:
        LoadRetention(ini);
        break;
    case TSettingsGroup::Channels:
        LoadChannels(ini);
        break;
    case TSettingsGroup::Operators:
    case TSettingsGroup::SummerTime:
        break;
    }
    emit changed(group);
}

void TConfig::LoadBackground(const TIniFile& ini) {
    SetBackgroundChoice(ini.ReadInteger(IniSection, SettingKey::Background, White));
}

void TConfig::LoadLocation(const TIniFile& ini) {
    location = ini.ReadString(IniSection, SettingKey::Location, QByteArray());
}

void TConfig::LoadRetention(const TIniFile& ini) {
    retentionMonths =
        static_cast<uint16_t>(ini.ReadInteger(IniSection, SettingKey::RetentionMonths, 0));
}

void TConfig::LoadChannels(const TIniFile& ini) {
    ReloadChannelDefs(ini, channels);
}

void TConfig::LoadPrinterFont(const TIniFile& ini) {
    QByteArray bytes;
    if (!TextToFontBytes(ini.ReadString(IniSection, SettingKey::PrinterFont, QByteArray()), bytes))
        return;
    printerFontRecord = bytes;
    printerFontSet = true;
}

void TConfig::LoadZooms(const TIniFile& ini) {
    timeZoom = ini.ReadInteger(IniSection, SettingKey::TimeZoom, 1);
    sizeZoom = ini.ReadInteger(IniSection, SettingKey::SizeZoom, 1);
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
