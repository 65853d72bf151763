#pragma once

#include "config/Fchannel.h"
#include "config/Fsettingkeys.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class TIniFile;
struct TEnv;

// The one section of the INI file.
inline const QByteArray IniSection = "ZEDA";

// The groups of settings a dialog changes at once.
enum class TSettingsGroup {
    Location,        // "Betriebsort"
    RetentionMonths, // "Datenerhaltzeitraum"
    Channels,        // "Kanal_1" … "Kanal_14"
    Operators,       // the operator list and the passwords, read where they are used
    SummerTime,      // "SZ_<year>", read where it is used
};

// In-memory copy of the settings several parts need, and the operator on
// duty. It mirrors the INI file and never writes it.
class TConfig : public QObject {
    Q_OBJECT
public:
    // Defaults, then the load from the INI file at iniPath.
    explicit TConfig(QString iniPath);

    void Load();
    // Reads a group again after a dialog wrote it, and tells the listeners.
    void Reload(TSettingsGroup group);

    const QString& IniPath() const { return FIniPath; }

    QByteArray location;                  // "Betriebsort", Windows-1252
    uint16_t retentionMonths = 0;         // "Datenerhaltzeitraum"
    int32_t timeZoom = 1;                 // "Zeitfaktor"
    int32_t sizeZoom = 1;                 // size-factor key
    int32_t backgroundChoice = 1;         // "FormsColor": 1 white, 2 grey
    uint32_t backgroundColour = 0xFFFFFF; // 0x00BBGGRR
    // "Druckerschriftdefinition": the 60-byte font record; PrinterFont of
    // config/Ffont.h makes the font of it.
    QByteArray printerFontRecord;
    bool printerFontSet = false; // the printer font came from the INI file
    ChannelDefs channels{};
    bool operatorLoggedIn = false;
    QByteArray operatorName; // at most 15 bytes
    int32_t operatorIndex = -1;

    // Background choice 1 or 2 with its colour; other values leave the colour.
    void SetBackgroundChoice(int32_t choice);

signals:
    // A group was written and read again.
    void changed(TSettingsGroup group);

private:
    // One step each of the load, in its order.
    void LoadBackground(const TIniFile& ini);
    void LoadLocation(const TIniFile& ini);
    void LoadRetention(const TIniFile& ini);
    void LoadChannels(const TIniFile& ini);
    void LoadPrinterFont(const TIniFile& ini);
    void LoadZooms(const TIniFile& ini);

    QString FIniPath;
};

extern TConfig* Config;

// Writes one key of section "ZEDA" into the INI file of env. When the write
// fails the user is told ("Error - File <path> cannot be written!") and the
// result is false; every writer of INI keys goes through these, so a lost
// setting never goes unnoticed.
bool WriteConfigKey(const TEnv& env, const QByteArray& key, const QByteArray& value);
bool WriteConfigKey(const TEnv& env, const QByteArray& key, int value);
