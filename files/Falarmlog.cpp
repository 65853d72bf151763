#include "files/Falarmlog.h"

#include "config/Cfileaccess.h"
#include "config/Falarmlimits.h"
#include "files/Falarmrule.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The log of a busy installation grows by a few lines a day; a log larger
// than this is no log this program wrote.
constexpr qint64 MaxAlarmLogSize = qint64(1) << 30;

QByteArray JsonString(const QString& s) {
    const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray Field(const char* key, const QByteArray& json) {
    return '"' + QByteArray(key) + "\":" + json;
}

int64_t Millionths(const QJsonValue& v) {
    return int64_t(std::llround(v.toDouble() * double(AlarmValueScale)));
}

bool WriteWhole(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// A new log's name reaches the disk with its directory.
bool SyncDirectory(const QString& path) {
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString AlarmLogPath(const QString& dataDir) {
    return dataDir + "/" + AlarmLogName;
}

QByteArray AlarmLogLine(const AlarmLogEntry& e) {
    const QList<QByteArray> fields = {
        Field("event", JsonString(QString::fromLatin1(e.event))),
        Field("raised", JsonString(e.raised)),
        Field("cleared", e.cleared.isEmpty() ? "null" : JsonString(e.cleared)),
        Field("acknowledged", e.acknowledged.isEmpty() ? "null" : JsonString(e.acknowledged)),
        Field("by", e.by.isEmpty() ? "null" : JsonString(e.by)),
        Field("channel", QByteArray::number(e.channel)),
        Field("name", JsonString(e.name)),
        Field("unit", JsonString(e.unit)),
        Field("kind", JsonString(QString::fromLatin1(AlarmKindName(e.kind)))),
        Field("limit", FormatAlarmValue(e.limit)),
        Field("peak", FormatAlarmValue(e.peak)),
        Field("latched", e.latched ? "true" : "false"),
        Field("file", JsonString(e.file)),
    };
    return '{' + fields.join(',') + "}\n";
}

bool ParseAlarmLogLine(const QByteArray& line, AlarmLogEntry& e) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    AlarmLogEntry r;
    r.event = o.value("event").toString().toLatin1();
    if (r.event != AlarmRaised && r.event != AlarmCleared && r.event != AlarmAcknowledged)
        return false;
    if (!AlarmKindOf(o.value("kind").toString().toLatin1(), r.kind))
        return false;
    r.channel = o.value("channel").toInt();
    if (r.channel < 1 || r.channel > ChannelCount || !o.value("limit").isDouble() ||
        !o.value("peak").isDouble() || o.value("raised").toString().isEmpty())
        return false;
    r.raised = o.value("raised").toString();
    r.cleared = o.value("cleared").toString();
    r.acknowledged = o.value("acknowledged").toString();
    r.by = o.value("by").toString();
    r.name = o.value("name").toString();
    r.unit = o.value("unit").toString();
    r.limit = Millionths(o.value("limit"));
    r.peak = Millionths(o.value("peak"));
    r.latched = o.value("latched").toBool();
    r.file = o.value("file").toString();
    e = r;
    return true;
}

bool ReadAlarmLog(const QString& path, std::vector<AlarmLogEntry>& entries) {
    entries.clear();
    if (!QFileInfo::exists(path))
        return true;
    QByteArray data;
    if (!ReadRegularFile(path, MaxAlarmLogSize, data))
        return false;
    // A line without its line feed was being written when the writer died.
    const qsizetype end = data.lastIndexOf('\n') + 1;
    for (const QByteArray& line : data.left(end).split('\n')) {
        AlarmLogEntry e;
        if (!line.trimmed().isEmpty() && ParseAlarmLogLine(line, e))
            entries.push_back(e);
    }
    return true;
}

bool AppendAlarmLog(const QString& path, const std::vector<AlarmLogEntry>& entries) {
    if (entries.empty())
        return true;
    const QByteArray name = QFile::encodeName(path);
    const bool isNew = !QFileInfo::exists(path);
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    QByteArray bytes;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1)
        last = 0;
    if (last != '\n')
        bytes += '\n';
    for (const AlarmLogEntry& e : entries)
        bytes += AlarmLogLine(e);
    const bool ok = WriteWhole(fd, bytes) && ::fdatasync(fd) == 0;
    ::close(fd);
    return ok && (!isNew || SyncDirectory(path));
}

std::vector<AlarmLogEntry> FoldAlarmLog(const std::vector<AlarmLogEntry>& entries) {
    std::vector<AlarmLogEntry> alarms;
    QHash<QString, size_t> index;
    for (const AlarmLogEntry& e : entries) {
        const QString key = QString::number(e.channel) + ' ' + QString::number(e.kind) + ' ' +
                            e.raised + ' ' + e.file;
        const auto at = index.constFind(key);
        if (e.event == AlarmRaised) {
            if (at == index.constEnd()) {
                index.insert(key, alarms.size());
                alarms.push_back(e);
            }
            continue;
        }
        if (at == index.constEnd())
            continue;
        FoldAlarmLine(alarms[*at], e);
    }
    return alarms;
}

bool FoldAlarmLine(AlarmLogEntry& a, const AlarmLogEntry& e) {
    a.event = e.event;
    if (e.event == AlarmCleared) {
        a.cleared = e.cleared;
        a.peak = e.peak;
        return false;
    }
    if (!a.acknowledged.isEmpty())
        return false;
    a.acknowledged = e.acknowledged;
    a.by = e.by;
    return true;
}
