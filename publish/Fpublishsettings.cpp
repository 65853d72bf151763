#include "publish/Fpublishsettings.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fscramble.h"
#include "config/Fsettingkeys.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

bool TopicCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-';
}

QString ReadText(const TIniFile& ini, const char* key) {
    return FromAnsi(ini.ReadString(MqttSection, key, QByteArray()));
}

// The longest topic made of the base topic: "<base>/minute".
const QString LongestSubtopic = QStringLiteral("/minute");

bool HasControl(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return true;
    }
    return false;
}

// Why a text cannot be a setting, or empty: what the INI file cannot keep,
// and what the MQTT library would refuse or misread.
QString TextFault(const QString& text) {
    if (!FitsAnsi(text))
        return QCoreApplication::translate("Publishing",
                                           "holds a character outside Windows-1252");
    if (HasControl(text))
        return QCoreApplication::translate("Publishing", "holds a control character");
    if (text.toUtf8().size() > MqttMaxTextBytes)
        return QCoreApplication::translate("Publishing", "is longer than 65535 bytes");
    return {};
}

QString FaultText(const char* key, const QString& fault) {
    return QCoreApplication::translate("Publishing", "Error - The MQTT setting %1 %2!")
        .arg(QString::fromLatin1(key), fault);
}

QString TopicFault(const PublishSettings& s, const QByteArray& location) {
    const QString base = BaseTopic(s, location);
    if (!IsPublishTopic(base))
        return QCoreApplication::translate("Publishing",
                                           "Error - A topic to publish to cannot hold \"+\" or \"#\"!");
    if ((base + LongestSubtopic).toUtf8().size() > MqttMaxTextBytes)
        return FaultText(MqttKey::Topic,
                         QCoreApplication::translate("Publishing", "is longer than 65535 bytes"));
    return {};
}

} // namespace

PublishSettings ReadPublishSettings(const TIniFile& ini) {
    PublishSettings s;
    s.enabled = ini.ReadInteger(MqttSection, MqttKey::Enabled, 0) != 0;
    s.host = ReadText(ini, MqttKey::Host);
    s.port = ParsePort(ReadText(ini, MqttKey::Port));
    s.topic = ReadText(ini, MqttKey::Topic);
    s.clientId = ReadText(ini, MqttKey::ClientId);
    s.user = ReadText(ini, MqttKey::User);
    s.password = FromAnsi(
        UnscramblePassword(PasswordKey, ini.ReadString(MqttSection, MqttKey::Password, {})));
    s.caFile = ReadText(ini, MqttKey::CAFile);
    return s;
}

bool WritePublishSettings(TIniFile& ini, const PublishSettings& s) {
    return ini.WriteInteger(MqttSection, MqttKey::Enabled, s.enabled ? 1 : 0) &&
           ini.WriteString(MqttSection, MqttKey::Host, ToAnsi(s.host)) &&
           ini.WriteString(MqttSection, MqttKey::Port,
                           s.port > 0 ? QByteArray::number(s.port) : QByteArray()) &&
           ini.WriteString(MqttSection, MqttKey::Topic, ToAnsi(s.topic)) &&
           ini.WriteString(MqttSection, MqttKey::ClientId, ToAnsi(s.clientId)) &&
           ini.WriteString(MqttSection, MqttKey::User, ToAnsi(s.user)) &&
           ini.WriteString(MqttSection, MqttKey::Password,
                           ScramblePassword(PasswordKey, ToAnsi(s.password))) &&
           ini.WriteString(MqttSection, MqttKey::CAFile, ToAnsi(s.caFile));
}

int EffectivePort(const PublishSettings& s) {
    if (s.port > 0)
        return s.port;
    return s.caFile.isEmpty() ? MqttPort : MqttTlsPort;
}

int ParsePort(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const int port = digits.toInt(&ok);
    const bool plain =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return ok && plain && port >= 1 && port <= 65535 ? port : InvalidPort;
}

QString PublishSettingsFault(const PublishSettings& s, const QByteArray& location) {
    const std::pair<const char*, const QString*> texts[] = {
        {MqttKey::Host, &s.host},         {MqttKey::Topic, &s.topic},
        {MqttKey::ClientId, &s.clientId}, {MqttKey::User, &s.user},
        {MqttKey::Password, &s.password}, {MqttKey::CAFile, &s.caFile}};
    for (const auto& [key, text] : texts) {
        const QString fault = TextFault(*text);
        if (!fault.isEmpty())
            return FaultText(key, fault);
    }
    if (s.port == InvalidPort)
        return FaultText(MqttKey::Port, QCoreApplication::translate(
                                            "Publishing", "is not a number from 1 to 65535"));
    const QString topic = TopicFault(s, location);
    if (!topic.isEmpty())
        return topic;
    if (s.user.isEmpty() && !s.password.isEmpty())
        return FaultText(MqttKey::Password,
                         QCoreApplication::translate("Publishing", "is set without a User"));
    return {};
}

QString DefaultBaseTopic(const QByteArray& location) {
    if (location.isEmpty())
        return QStringLiteral("zeda");
    QByteArray topic = "zeda/";
    for (const char c : location)
        topic += TopicCharacter(c) ? c : '_';
    return QString::fromLatin1(topic);
}

QString BaseTopic(const PublishSettings& s, const QByteArray& location) {
    QString topic = s.topic.trimmed();
    while (topic.endsWith('/'))
        topic.chop(1);
    return topic.isEmpty() ? DefaultBaseTopic(location) : topic;
}

bool IsPublishTopic(const QString& topic) {
    return !topic.isEmpty() && !topic.contains('+') && !topic.contains('#') &&
           !topic.contains(QChar(0));
}

QByteArray InstallationLocation(const TIniFile& ini) {
    return ini.ReadString(IniSection, SettingKey::Location, QByteArray());
}
