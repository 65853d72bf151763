#pragma once

#include <QByteArray>
#include <QString>

class TIniFile;

// The settings of publishing to an MQTT broker: the INI file's section
// "MQTT", beside the program's own section, which they leave untouched.
inline const QByteArray MqttSection = "MQTT";

// The keys of the section, each named once here.
namespace MqttKey {
inline constexpr const char* Enabled = "Enabled";
inline constexpr const char* Host = "Host";
inline constexpr const char* Port = "Port";
inline constexpr const char* Topic = "Topic";
inline constexpr const char* ClientId = "ClientId";
inline constexpr const char* User = "User";
inline constexpr const char* Password = "Password";
inline constexpr const char* CAFile = "CAFile";
} // namespace MqttKey

constexpr int MqttPort = 1883;
constexpr int MqttTlsPort = 8883;
// The port of a "Port" that is not a number from 1 to 65535.
constexpr int InvalidPort = -1;
// Topics, client ids, user names and passwords of MQTT hold at most this
// many bytes of UTF-8.
constexpr int MqttMaxTextBytes = 65535;

struct PublishSettings {
    bool enabled = false; // "Enabled"
    QString host;         // "Host"
    int port = 0;         // "Port"; 0: the default (1883, with TLS 8883), or InvalidPort
    QString topic;        // "Topic": the base topic; empty: DefaultBaseTopic
    QString clientId;     // "ClientId"; empty: the library makes one up
    QString user;         // "User"
    QString password;     // "Password", stored scrambled
    QString caFile;       // "CAFile": TLS with this CA when set

    bool operator==(const PublishSettings&) const = default;
};

PublishSettings ReadPublishSettings(const TIniFile& ini);
// Writes every key; false at the first key that cannot be written.
bool WritePublishSettings(TIniFile& ini, const PublishSettings& settings);

// The port connected to: the one set, or the default for plain or TLS.
int EffectivePort(const PublishSettings& settings);
// The port of a "Port" text: 0 when empty, InvalidPort unless 1 to 65535.
int ParsePort(const QString& text);

// What stops publishing with these settings, as the message that names the
// key and what is wrong with its value; empty when they can be used (an
// empty Host is not set rather than wrong: the caller decides). The
// one check of the dialog, zedactl publish and the program's publisher.
// Every text must be storable in Windows-1252 and free of control
// characters; the topic (the base topic set and the topics made of it)
// holds no wildcard and fits MQTT's length; a password needs a user.
QString PublishSettingsFault(const PublishSettings& settings, const QByteArray& location);

// "zeda/<location>", every character of the location outside A-Z, a-z,
// 0-9, "_" and "-" replaced by "_"; "zeda" alone without a location.
QString DefaultBaseTopic(const QByteArray& location);
// The topic set, without a trailing "/", or the default.
QString BaseTopic(const PublishSettings& settings, const QByteArray& location);
// A topic a message may be published to: not empty, no "+", "#" or NUL.
bool IsPublishTopic(const QString& topic);

// The location of the installation ("Betriebsort" of the program's own
// section), for the default topic of programs that load no configuration.
QByteArray InstallationLocation(const TIniFile& ini);
