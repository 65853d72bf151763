#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// The alarm log "alarms.log" of the data directory: one JSON object a line
// (UTF-8) for every raise, clear and acknowledgement. Lines are only ever
// appended, each reaching the disk before the append returns; a last line
// that a crash tore off is ignored on reading.

inline const QString AlarmLogName = "alarms.log";
QString AlarmLogPath(const QString& dataDir);

// One line of the log. An alarm is known by channel, kind and the minute it
// was raised; a clear or acknowledgement repeats those and adds its own.
struct AlarmLogEntry {
    QByteArray event; // "raised", "cleared", "acknowledged"
    QString raised;   // "YYYY-MM-DD HH:MM" of the minute that raised it
    QString cleared;  // of the minute that cleared it, or empty
    QString acknowledged; // when it was acknowledged, or empty
    QString by;           // the operator who acknowledged it
    int channel = 0;      // 1..14
    QString name;         // the channel's name and unit when it was raised
    QString unit;
    int kind = 0;         // AlarmKind
    int64_t limit = 0;    // millionths of the unit
    int64_t peak = 0;
    bool latched = false;
    QString file; // the month file of the raising minute

    bool SameAlarm(const AlarmLogEntry& o) const {
        return channel == o.channel && kind == o.kind && raised == o.raised && file == o.file;
    }
    bool operator==(const AlarmLogEntry&) const = default;
};

inline const QByteArray AlarmRaised = "raised";
inline const QByteArray AlarmCleared = "cleared";
inline const QByteArray AlarmAcknowledged = "acknowledged";

// The line of an entry, with its line feed.
QByteArray AlarmLogLine(const AlarmLogEntry& e);
// False for a line that is no whole entry.
bool ParseAlarmLogLine(const QByteArray& line, AlarmLogEntry& e);

// Takes a later line of an alarm (a clear or an acknowledgement) into the
// alarm as raised; true when it is the alarm's first acknowledgement.
bool FoldAlarmLine(AlarmLogEntry& alarm, const AlarmLogEntry& line);

// The alarms of the entries in the order they were raised, each as its
// raise with what became of it (event is the newest line's; the first
// acknowledgement counts). Entries of an alarm not raised before are passed over.
std::vector<AlarmLogEntry> FoldAlarmLog(const std::vector<AlarmLogEntry>& entries);
// Raised and not cleared, or latched and not acknowledged yet.
inline bool AlarmStillActive(const AlarmLogEntry& alarm) {
    return alarm.cleared.isEmpty() || (alarm.latched && alarm.acknowledged.isEmpty());
}

// The entries of the log in order; lines that are no entry (a torn last
// line) are left out. A missing log is empty; false when it exists but
// cannot be read.
bool ReadAlarmLog(const QString& path, std::vector<AlarmLogEntry>& entries);
// Appends the lines and waits until they are on the disk (fdatasync, and
// the directory's entry for a new log). A torn last line of a crash is ended
// first, so that it never runs into the new line. False when not every byte
// reached the disk.
bool AppendAlarmLog(const QString& path, const std::vector<AlarmLogEntry>& entries);
