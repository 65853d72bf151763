#include "publish/Fpublishsettings.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fscramble.h"

namespace {

bool TopicCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-';
}

QString ReadText(const TIniFile& ini, const char* key) {
    return FromAnsi(ini.ReadString(MqttSection, key, QByteArray()));
}

} // namespace

PublishSettings ReadPublishSettings(const TIniFile& ini) {
    PublishSettings s;
    s.enabled = ini.ReadInteger(MqttSection, "Enabled", 0) != 0;
    s.host = ReadText(ini, "Host");
    const int port = ini.ReadInteger(MqttSection, "Port", 0);
    s.port = port >= 1 && port <= 65535 ? port : 0;
    s.topic = ReadText(ini, "Topic");
    s.clientId = ReadText(ini, "ClientId");
    s.user = ReadText(ini, "User");
    s.password =
        FromAnsi(UnscramblePassword(PasswordKey, ini.ReadString(MqttSection, "Password", {})));
    s.caFile = ReadText(ini, "CAFile");
    return s;
}

bool WritePublishSettings(TIniFile& ini, const PublishSettings& s) {
    return ini.WriteInteger(MqttSection, "Enabled", s.enabled ? 1 : 0) &&
           ini.WriteString(MqttSection, "Host", ToAnsi(s.host)) &&
           ini.WriteString(MqttSection, "Port",
                           s.port > 0 ? QByteArray::number(s.port) : QByteArray()) &&
           ini.WriteString(MqttSection, "Topic", ToAnsi(s.topic)) &&
           ini.WriteString(MqttSection, "ClientId", ToAnsi(s.clientId)) &&
           ini.WriteString(MqttSection, "User", ToAnsi(s.user)) &&
           ini.WriteString(MqttSection, "Password",
                           ScramblePassword(PasswordKey, ToAnsi(s.password))) &&
           ini.WriteString(MqttSection, "CAFile", ToAnsi(s.caFile));
}

int EffectivePort(const PublishSettings& s) {
    if (s.port > 0)
        return s.port;
    return s.caFile.isEmpty() ? MqttPort : MqttTlsPort;
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
    return ini.ReadString(IniSection, "Betriebsort", QByteArray());
}
