#include "publish/Falarmtopics.h"

#include "files/Falarmlog.h"

std::vector<QByteArray> CompleteLogLines(const QByteArray& data) {
    std::vector<QByteArray> lines;
    qsizetype from = 0;
    for (qsizetype at = data.indexOf('\n'); at >= 0; at = data.indexOf('\n', from)) {
        lines.push_back(data.mid(from, at - from));
        from = at + 1;
    }
    return lines;
}

QByteArray ActiveAlarmsJson(const std::vector<QByteArray>& lines) {
    std::vector<AlarmLogEntry> entries;
    for (const QByteArray& line : lines) {
        AlarmLogEntry e;
        if (ParseAlarmLogLine(line, e))
            entries.push_back(e);
    }
    QByteArray json = "[";
    for (const AlarmLogEntry& a : FoldAlarmLog(entries)) {
        if (!AlarmStillActive(a))
            continue;
        if (json.size() > 1)
            json += ',';
        json += AlarmLogLine(a).trimmed();
    }
    return json + ']';
}
