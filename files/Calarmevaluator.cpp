#include "files/Calarmevaluator.h"

#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Fmemory.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptionstate.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>

TAlarmEvaluator::TAlarmEvaluator(const TEnv& env, bool writeLog)
    : FEnv(env), FWriteLog(writeLog) {}

void TAlarmEvaluator::SetLimits(const ChannelAlarmLimits& limits) {
    FLimits = limits;
    // Counting starts afresh under new limits; raised alarms stay raised.
    for (ChannelAlarmState& channel : FState)
        for (AlarmKindState& s : channel)
            s.beyond = 0;
}

void TAlarmEvaluator::ReloadLimits() {
    QStringList refusals;
    SetLimits(ReadAlarmLimits(TIniFile(FEnv.IniPath()), &refusals));
    if (!refusals.isEmpty() && FEnv.messages)
        FEnv.messages->Show(TMessages::Warning, refusals.join('\n'));
}

QString TAlarmEvaluator::LogPath() const {
    return AlarmLogPath(FEnv.dataDir);
}

bool TAlarmEvaluator::Resume() {
    std::vector<AlarmLogEntry> entries;
    if (!ReadAlarmLog(LogPath(), entries)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error,
                                QCoreApplication::translate(
                                    "Calarmevaluator", "Error - The alarm log %1 cannot be read!")
                                    .arg(LogPath()));
        return false;
    }
    FAlarms.clear();
    FState = {};
    FLastJudged = -1;
    const auto tellNobody = std::move(onEvent);
    for (const AlarmLogEntry& e : entries)
        Apply(e);
    onEvent = tellNobody;
    return true;
}

AlarmMinute TAlarmEvaluator::MinuteOf(const MonthDocument& d, int ch, uint32_t slot,
                                      const QByteArray& bytes, const ChannelDef& def) const {
    AlarmMinute m;
    if (bytes.size() < SlotSize || GetU8(bytes, 0) != SlotStored)
        return m; // no data
    const uint32_t v = ScaledValue(def, GetU16(bytes, 2 + 2 * ch));
    if (v < def.minValue || v > def.maxValue)
        return m; // beyond the measurable range
    if (ExceptionAt(d, ch, slot) == ExceptionOrdinary)
        return m;
    m.counts = true;
    m.value = v;
    return m;
}

bool TAlarmEvaluator::OnMinuteStored(const MonthDocument& d, uint32_t slot,
                                     const QByteArray& slotBytes) {
    const MonthInfo info = d.Info();
    const int64_t number = MinuteNumber(SlotYear(info, slot), SlotMonth(info, slot),
                                        SlotDay(info, slot), SlotHour(slot), int(slot % 60));
    // A minute handed over again (after a restart, or when the unit could
    // not forget it) was judged already: it must neither count nor raise twice.
    if (number <= FLastJudged)
        return true;
    std::vector<AlarmLogEntry> lines;
    std::array<ChannelAlarmState, ChannelCount> next = FState;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (!FLimits[ch].AnyLimit())
            continue;
        const ChannelDef def = HeaderChannel(d.header, ch);
        if (def.active == 0)
            continue;
        const AlarmRule rule = AlarmRuleOf(FLimits[ch], def.decimals);
        const AlarmChanges c =
            EvaluateAlarmMinute(rule, next[ch], MinuteOf(d, ch, slot, slotBytes, def));
        if (c.Any())
            Changes(d, slot, ch, def, c, next[ch], lines);
    }
    if (lines.empty()) {
        FState = next;
        FLastJudged = number;
        return true;
    }
    // The caller tells the user: the acquisition once, not every minute.
    if (FWriteLog && !AppendAlarmLog(LogPath(), lines))
        return false;
    FState = next;
    FLastJudged = number;
    for (const AlarmLogEntry& e : lines)
        Apply(e);
    return true;
}

void TAlarmEvaluator::Changes(const MonthDocument& d, uint32_t slot, int ch,
                              const ChannelDef& def, const AlarmChanges& c,
                              const ChannelAlarmState& s, std::vector<AlarmLogEntry>& lines) const {
    const QString time = AlarmTimeText(d, slot);
    for (int k = 0; k < AlarmKindCount; ++k) {
        const uint8_t bit = uint8_t(1u << k);
        AlarmLogEntry e;
        if (c.cleared & bit) {
            // The clear belongs to the alarm raised last of the channel and kind.
            for (auto it = FAlarms.rbegin(); it != FAlarms.rend(); ++it)
                if (it->channel == ch + 1 && it->kind == k && it->cleared.isEmpty()) {
                    e = *it;
                    break;
                }
            if (e.channel == 0)
                continue;
            e.event = AlarmCleared;
            e.cleared = time;
            const int64_t peak = CountsInAlarmValue(s[k].peak, def.decimals);
            e.peak = WatchesAbove(k) ? std::max(e.peak, peak) : std::min(e.peak, peak);
        } else if (c.raised & bit) {
            e.event = AlarmRaised;
            e.raised = time;
            e.channel = ch + 1;
            e.name = FromAnsi(def.name);
            e.unit = FromAnsi(def.dimension);
            e.kind = k;
            const std::array<std::optional<int64_t>, AlarmKindCount> limits = {
                FLimits[ch].high, FLimits[ch].low, FLimits[ch].highhigh, FLimits[ch].lowlow};
            e.limit = limits[k].value_or(0);
            e.latched = FLimits[ch].latched;
            e.file = d.fileName;
            e.peak = CountsInAlarmValue(s[k].peak, def.decimals);
        } else {
            continue;
        }
        lines.push_back(e);
    }
}

int TAlarmEvaluator::FindAlarm(const AlarmLogEntry& e) const {
    for (int i = int(FAlarms.size()) - 1; i >= 0; --i)
        if (FAlarms[size_t(i)].SameAlarm(e))
            return i;
    return -1;
}

void TAlarmEvaluator::Apply(const AlarmLogEntry& e) {
    const int at = FindAlarm(e);
    if (e.event == AlarmRaised) {
        if (at >= 0)
            return; // logged once already
        FAlarms.push_back(e);
    } else if (at < 0) {
        return; // a clear or acknowledgement of an alarm the log does not hold
    } else {
        AlarmLogEntry& a = FAlarms[size_t(at)];
        a.event = e.event;
        if (e.event == AlarmCleared) {
            a.cleared = e.cleared;
            a.peak = e.peak;
        } else {
            a.acknowledged = e.acknowledged;
            a.by = e.by;
        }
    }
    FollowState(e.channel - 1, e.kind);
    const QString& judged = e.event == AlarmCleared ? e.cleared : e.raised;
    FLastJudged = std::max(FLastJudged, MinuteNumberOf(judged));
    if (onEvent)
        onEvent(e);
}

void TAlarmEvaluator::FollowState(int ch, int kind) {
    AlarmKindState& s = FState[size_t(ch)][size_t(kind)];
    const AlarmLogEntry* newest = nullptr;
    s.unacknowledged = false;
    for (const AlarmLogEntry& o : FAlarms)
        if (o.channel == ch + 1 && o.kind == kind) {
            newest = &o;
            s.unacknowledged = s.unacknowledged || o.acknowledged.isEmpty();
        }
    const bool raised = newest && newest->cleared.isEmpty();
    // Taken over from the log: the next minute with data sets the peak.
    if (raised && !s.raised)
        s.peak = WatchesAbove(kind) ? std::numeric_limits<int64_t>::min()
                                    : std::numeric_limits<int64_t>::max();
    s.raised = raised;
}

int TAlarmEvaluator::Acknowledge(int channel, const QString& by) {
    const LocalTime t = FEnv.clock ? FEnv.clock->Local() : TSystemClock().Local();
    const QString now = QString::asprintf("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day,
                                          t.hour, t.minute);
    std::vector<AlarmLogEntry> lines;
    for (const AlarmLogEntry& a : FAlarms)
        if (a.acknowledged.isEmpty() && (channel == 0 || a.channel == channel)) {
            AlarmLogEntry e = a;
            e.event = AlarmAcknowledged;
            e.acknowledged = now;
            e.by = by;
            lines.push_back(e);
        }
    if (lines.empty())
        return 0;
    if (FWriteLog && !AppendAlarmLog(LogPath(), lines)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error, CannotWriteText(LogPath()));
        return -1;
    }
    for (const AlarmLogEntry& e : lines)
        Apply(e);
    return int(lines.size());
}

ChannelAlarmStatus TAlarmEvaluator::StatusOf(int ch) const {
    bool raised = false;
    bool unacknowledgedRaise = false;
    bool latched = false;
    for (int k = 0; k < AlarmKindCount; ++k) {
        const AlarmKindState& s = FState[size_t(ch)][size_t(k)];
        raised = raised || s.raised;
        unacknowledgedRaise = unacknowledgedRaise || (s.raised && s.unacknowledged);
        latched = latched || (!s.raised && s.unacknowledged && FLimits[size_t(ch)].latched);
    }
    if (unacknowledgedRaise)
        return ChannelInAlarm;
    if (raised)
        return ChannelAcknowledged;
    return latched ? ChannelLatched : ChannelNormal;
}

int TAlarmEvaluator::UnacknowledgedCount() const {
    int n = 0;
    for (const AlarmLogEntry& a : FAlarms)
        n += a.acknowledged.isEmpty() ? 1 : 0;
    return n;
}

QString AlarmTimeText(const MonthDocument& d, uint32_t slot) {
    const MonthInfo info = d.Info();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d", SlotYear(info, slot),
                             SlotMonth(info, slot), SlotDay(info, slot), SlotHour(slot),
                             int(slot % 60));
}

QByteArray MonthSlotBytes(const MonthDocument& d, uint32_t slot) {
    const QByteArray& block = d.dayBlocks[slot / SlotsPerDay];
    return block.mid(qsizetype(slot % SlotsPerDay) * SlotSize, SlotSize);
}

void TAlarmEvaluator::Start() {
    ReloadLimits();
    Resume();
}

int64_t MinuteNumber(int year, int month, int day, int hour, int minute) {
    return ((((int64_t(year) * 13 + month) * 32 + day) * 24 + hour) * 60) + minute;
}

int64_t MinuteNumberOf(const QString& time) {
    // "YYYY-MM-DD HH:MM"
    if (time.size() != 16)
        return -1;
    const auto at = [&](int from, int n) { return time.mid(from, n).toInt(); };
    return MinuteNumber(at(0, 4), at(5, 2), at(8, 2), at(11, 2), at(14, 2));
}
