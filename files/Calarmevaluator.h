#pragma once

#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"

#include <QHash>
#include <QString>

#include <array>
#include <functional>
#include <vector>

struct ChannelDef;
struct MonthDocument;
struct TEnv;

// A channel's alarm state as the Channels panel shows it.
enum ChannelAlarmStatus {
    ChannelNormal,      // no alarm active
    ChannelInAlarm,     // a limit raised and not yet acknowledged
    ChannelLatched,     // cleared, but latched until acknowledged
    ChannelAcknowledged // still beyond a limit, acknowledged
};

// Watches every stored minute against the alarm limits: fed one minute at
// a time by the acquisition (or by a walk over a month file), it applies
// the rule to every channel with limits, appends what changed to the alarm
// log before it returns, and tells its listener. Started again, it takes
// its state from the log, so nothing is raised twice.
class TAlarmEvaluator {
public:
    // With writeLog false nothing is appended (a walk over a month file
    // for limits set afterwards).
    explicit TAlarmEvaluator(const TEnv& env, bool writeLog = true);

    void SetLimits(const ChannelAlarmLimits& limits);
    // The limits of the INI file; a key that cannot be parsed is told once.
    void ReloadLimits();
    const ChannelAlarmLimits& Limits() const { return FLimits; }
    // Takes the alarms and their state over from the log; false (after
    // telling the user) when the log exists but cannot be read.
    bool Resume();
    // ReloadLimits and Resume: what a program does before the first minute.
    void Start();

    // One minute the acquisition has stored: slot and the slot's 30 bytes in
    // the month file of the document (whose header gives the channel
    // definitions and whose table the exception periods). False when a
    // change could not be logged: the minute must then stay in the unit and
    // come again, and nothing of it was taken over.
    bool OnMinuteStored(const MonthDocument& document, uint32_t slot, const QByteArray& slotBytes);

    // Acknowledges every alarm not yet acknowledged, of one channel (1..14)
    // or of all (0), in the name of the operator. The number acknowledged,
    // or -1 when the log could not be written.
    int Acknowledge(int channel, const QString& by);

    // Every alarm of the log and of this run, oldest first; each entry holds
    // the raise and what became of it (event is the newest).
    const std::vector<AlarmLogEntry>& Alarms() const { return FAlarms; }
    ChannelAlarmStatus StatusOf(int channelIndex) const;
    // Alarms not yet acknowledged (the status bar's red indicator).
    int UnacknowledgedCount() const;
    QString LogPath() const;

    // Told of every line appended, after it is on the disk.
    std::function<void(const AlarmLogEntry&)> onEvent;

private:
    AlarmMinute MinuteOf(const MonthDocument& d, int ch, uint32_t slot, const QByteArray& bytes,
                         const ChannelDef& def) const;
    // The lines a minute's changes of one channel give.
    void Changes(const MonthDocument& d, uint32_t slot, int ch, const ChannelDef& def,
                 const AlarmChanges& c, const ChannelAlarmState& s,
                 std::vector<AlarmLogEntry>& lines) const;
    // Takes an appended line into the alarms and tells the listener.
    void Apply(const AlarmLogEntry& e);
    // The rule's state of a channel's limit after its alarms changed.
    void FollowState(int ch, int kind);
    int FindAlarm(const AlarmLogEntry& e) const;
    // Takes the document's channel definitions and the rules they give.
    void FollowChannels(const MonthDocument& d);
    static QString IndexKey(const AlarmLogEntry& e);

    const TEnv& FEnv;
    bool FWriteLog;
    ChannelAlarmLimits FLimits{};
    QByteArray FChannelImage; // the header's definitions the rules were made for
    ChannelDefs FChannels{};
    std::array<AlarmRule, ChannelCount> FRules{};
    std::array<ChannelAlarmState, ChannelCount> FState{};
    std::vector<AlarmLogEntry> FAlarms;
    QHash<QString, int> FIndex; // of every alarm in FAlarms
    // Per channel and kind: the alarm raised last (-1: none), and how many
    // wait for their acknowledgement.
    std::array<std::array<int, AlarmKindCount>, ChannelCount> FNewest{};
    std::array<std::array<int, AlarmKindCount>, ChannelCount> FUnacknowledged{};
    int64_t FLastJudged = -1; // MinuteNumber of the newest minute judged
};

// A number that orders minutes in time; MinuteNumberOf reads it from a
// "YYYY-MM-DD HH:MM" text (-1 for another text).
int64_t MinuteNumber(int year, int month, int day, int hour, int minute);
int64_t MinuteNumberOf(const QString& time);

// The 30 bytes of a slot of the document's loaded day blocks (empty when
// the block is not loaded).
QByteArray MonthSlotBytes(const MonthDocument& d, uint32_t slot);

// "YYYY-MM-DD HH:MM" of a slot of the document's month file.
QString AlarmTimeText(const MonthDocument& d, uint32_t slot);
