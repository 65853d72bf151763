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
    : FEnv(env), FWriteLog(writeLog) {
    for (auto& channel : FNewest)
        channel.fill(-1);
}

void TAlarmEvaluator::FollowChannels(const MonthDocument& d) {
    // The header's definitions change rarely; they are parsed when they do.
    const QByteArrayView image = QByteArrayView(d.header).sliced(HdrChannels, ChannelDefsSize);
    if (image == QByteArrayView(FChannelImage))
        return;
    FChannelImage = image.toByteArray();
    for (int ch = 0; ch < ChannelCount; ++ch) {
        FChannels[size_t(ch)] = HeaderChannel(d.header, ch);
        FRules[size_t(ch)] = AlarmRuleOf(FLimits[size_t(ch)], FChannels[size_t(ch)].decimals);
    }
}

void TAlarmEvaluator::SetLimits(const ChannelAlarmLimits& limits) {
    FLimits = limits;
    FChannelImage.clear(); // the rules follow with the next minute
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
    FIndex.clear();
    FState = {};
    for (auto& channel : FNewest)
        channel.fill(-1);
    FUnacknowledged = {};
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
    if (HeaderExceptionCount(d.header) != 0 && ExceptionAt(d, ch, slot) == ExceptionOrdinary)
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
    FollowChannels(d);
    std::vector<AlarmLogEntry> lines;
    std::array<ChannelAlarmState, ChannelCount> next = FState;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (!FLimits[ch].AnyLimit())
            continue;
        const ChannelDef& def = FChannels[size_t(ch)];
        if (def.active == 0)
            continue;
        const AlarmChanges c =
            EvaluateAlarmMinute(FRules[size_t(ch)], next[ch], MinuteOf(d, ch, slot, slotBytes, def));
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
            const int newest = FNewest[size_t(ch)][size_t(k)];
            if (newest < 0 || !FAlarms[size_t(newest)].cleared.isEmpty())
                continue;
            e = FAlarms[size_t(newest)];
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
    return FIndex.value(IndexKey(e), -1);
}

QString TAlarmEvaluator::IndexKey(const AlarmLogEntry& e) {
    return QString::number(e.channel) + ' ' + QString::number(e.kind) + ' ' + e.raised + ' ' +
           e.file;
}

void TAlarmEvaluator::Apply(const AlarmLogEntry& e) {
    int at = FindAlarm(e);
    const size_t ch = size_t(e.channel - 1);
    const size_t kind = size_t(e.kind);
    if (e.event == AlarmRaised) {
        if (at >= 0)
            return; // logged once already
        at = int(FAlarms.size());
        FAlarms.push_back(e);
        FIndex.insert(IndexKey(e), at);
        FNewest[ch][kind] = at;
        ++FUnacknowledged[ch][kind];
    } else if (at < 0) {
        return; // a clear or acknowledgement of an alarm the log does not hold
    } else {
        if (FoldAlarmLine(FAlarms[size_t(at)], e))
            --FUnacknowledged[ch][kind];
    }
    FollowState(int(ch), int(kind));
    const QString& judged = e.event == AlarmCleared ? e.cleared : e.raised;
    FLastJudged = std::max(FLastJudged, MinuteNumberOf(judged));
    if (onEvent)
        onEvent(e);
}

void TAlarmEvaluator::FollowState(int ch, int kind) {
    AlarmKindState& s = FState[size_t(ch)][size_t(kind)];
    const int newest = FNewest[size_t(ch)][size_t(kind)];
    s.unacknowledged = FUnacknowledged[size_t(ch)][size_t(kind)] > 0;
    const bool raised = newest >= 0 && FAlarms[size_t(newest)].cleared.isEmpty();
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
    for (const auto& channel : FUnacknowledged)
        for (int count : channel)
            n += count;
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
