#include "publish/Cminutewalker.h"

#include "config/Fcalendar.h"
#include "files/Cfilebase.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptionstate.h"
#include "files/Fmonthfile.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace {

int MonthIndex(uint8_t year, uint8_t month) {
    return year * 12 + month - 1;
}

uint8_t YearOfIndex(int index) {
    return uint8_t(index / 12);
}

uint8_t MonthOfIndex(int index) {
    return uint8_t(index % 12 + 1);
}

} // namespace

// One month file as read for the walk: header and tables at once, the day
// blocks when first needed.
struct TMinuteWalker::Source {
    QString path;
    MonthDocument document;
    WallMinute start = 0; // the minute of slot 0
    int slotCount = 0;    // day blocks x 1440
    ChannelDefs channels{};
    std::unique_ptr<TExceptionIndex> exceptions;
    int lockWaitMs = TFileAccess::LockWaitMs;

    bool Covers(WallMinute minute) const { return minute >= start && minute < start + slotCount; }
    uint32_t SlotOf(WallMinute minute) const { return uint32_t(minute - start); }

    const QByteArray& Block(int b) {
        QByteArray& block = document.dayBlocks[b];
        if (block.isEmpty()) {
            block = EmptyDayBlock();
            // A block that cannot be read stays empty: its minutes have no
            // data now and are looked at again by a later walk.
            TFileAccess f(path, TFileAccess::ReadShared, lockWaitMs);
            if (f.IsOpen())
                f.ReadInto(DayBlockOffset(b), block, 0, DayBlockSize);
        }
        return block;
    }

    bool Stored(uint32_t slot) {
        return SlotState(Block(int(slot / SlotsPerDay)), int(slot % SlotsPerDay)) == SlotStored;
    }
};

TMinuteWalker::TMinuteWalker(QString dataDir, int lockWaitMs)
    : FDir(std::move(dataDir)), FLockWaitMs(lockWaitMs) {}

TMinuteWalker::~TMinuteWalker() = default;

std::map<int, QString> TMinuteWalker::MonthFiles() const {
    static const QRegularExpression name(R"(^D(\d{4})-(\d{2})\.ZMF$)",
                                         QRegularExpression::CaseInsensitiveOption);
    std::map<int, QString> files;
    const QStringList entries = QDir(FDir).entryList(QDir::Files);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch m = name.match(entry);
        if (!m.hasMatch())
            continue;
        const int year = m.captured(1).toInt() - 1980;
        const int month = m.captured(2).toInt();
        if (year < 0 || year > 255 || month < 1 || month > 12)
            continue;
        files[MonthIndex(uint8_t(year), uint8_t(month))] = QDir(FDir).filePath(entry);
    }
    return files;
}

TMinuteWalker::Source* TMinuteWalker::SourceOf(Sources& sources,
                                               const std::map<int, QString>& files, int month) {
    const auto known = sources.find(month);
    if (known != sources.end())
        return known->second.get();
    std::unique_ptr<Source>& s = sources[month];
    const auto file = files.find(month);
    if (file == files.end())
        return nullptr;
    const TFileBase::Check check = TFileBase::CheckFile(file->second, FLockWaitMs);
    if (check.result != TFileBase::Valid)
        return nullptr;
    auto source = std::make_unique<Source>();
    source->path = file->second;
    source->lockWaitMs = FLockWaitMs;
    MonthDocument& d = source->document;
    {
        TFileAccess f(source->path, TFileAccess::ReadShared, FLockWaitMs);
        if (!f.IsOpen() || f.ReadInto(0, d.header, 0, HeaderSize) != HeaderSize ||
            !HeaderFits(d.header))
            return nullptr;
        // Earlier layouts are read as they lie; converting is the program's job.
        ReadTablesAsStored(f, d.header, d.operators, d.exceptions);
    }
    source->start = MonthStart(HeaderYear(d.header), HeaderMonth(d.header));
    source->slotCount = HeaderDaysStored(d.header) * SlotsPerDay;
    for (int i = 0; i < 14; ++i)
        source->channels[i] = HeaderChannel(d.header, i);
    source->exceptions = std::make_unique<TExceptionIndex>(d);
    s = std::move(source);
    return s.get();
}

TMinuteWalker::Pick TMinuteWalker::PickMinute(Source* own, Source* previous, WallMinute minute) {
    Pick pick;
    if (own && own->Covers(minute)) {
        pick = {own, own->SlotOf(minute), own->Stored(own->SlotOf(minute))};
        if (pick.stored)
            return pick;
    }
    if (previous && previous->Covers(minute) && previous->Stored(previous->SlotOf(minute)))
        return {previous, previous->SlotOf(minute), true};
    if (!pick.source && previous && previous->Covers(minute))
        pick = {previous, previous->SlotOf(minute), false};
    return pick;
}

std::vector<PublishedMinute> TMinuteWalker::Next(WallMinute after, int max, bool afterWasSent) {
    std::vector<PublishedMinute> found;
    FZone = QTimeZone::systemTimeZone();
    FOffsets.clear();
    const std::map<int, QString> files = MonthFiles();
    if (files.empty() || max <= 0)
        return found;
    // The months to look at: those with a file, and those after them, which
    // the overflow days of a file reach into.
    std::set<int> months;
    for (const auto& [month, path] : files) {
        months.insert(month);
        months.insert(month + 1);
    }
    uint8_t y = 0;
    uint8_t m = 1;
    MonthOf(std::max<WallMinute>(after + 1, 0), y, m);
    Sources sources;
    std::vector<Pick> pending; // minutes without data, waiting for a stored one
    std::vector<Pick> picks;
    for (auto it = months.lower_bound(MonthIndex(y, m)); it != months.end(); ++it) {
        const int month = *it;
        Source* own = SourceOf(sources, files, month);
        Source* previous = SourceOf(sources, files, month - 1);
        if (!own && !previous)
            continue;
        const WallMinute start = MonthStart(YearOfIndex(month), MonthOfIndex(month));
        const WallMinute end =
            start + DaysInMonth(YearOfIndex(month), MonthOfIndex(month)) * SlotsPerDay;
        for (WallMinute w = std::max(start, after + 1); w < end; ++w) {
            const Pick pick = PickMinute(own, previous, w);
            if (!pick.source)
                break;
            if (!pick.stored) {
                if (afterWasSent || !picks.empty())
                    pending.push_back(pick);
                continue;
            }
            picks.insert(picks.end(), pending.begin(), pending.end());
            pending.clear();
            picks.push_back(pick);
            if (int(picks.size()) >= max)
                break;
        }
        if (int(picks.size()) >= max)
            break;
    }
    picks.resize(std::min<size_t>(picks.size(), size_t(max)));
    found.reserve(picks.size());
    for (const Pick& p : picks)
        found.push_back(Describe(p));
    return found;
}

int TMinuteWalker::OffsetOf(const LocalTime& t) {
    // Offsets change on whole hours in the zones the program meets; the
    // minute of a half-hour zone's change gets the hour's offset.
    const int64_t hour = ToWallMinute(t) / 60;
    const auto known = FOffsets.find(hour);
    if (known != FOffsets.end())
        return known->second;
    const int offset = UtcOffsetOfLocal(t, FZone);
    FOffsets[hour] = offset;
    return offset;
}

PublishedMinute TMinuteWalker::Describe(const Pick& pick) {
    Source& s = *pick.source;
    const MonthDocument& d = s.document;
    const MonthInfo info = d.Info();
    PublishedMinute m;
    m.wall = s.start + pick.slot;
    m.time.year = SlotYear(info, pick.slot);
    m.time.month = SlotMonth(info, pick.slot);
    m.time.day = SlotDay(info, pick.slot);
    m.time.hour = SlotHour(pick.slot);
    m.time.minute = int(pick.slot % 60);
    m.utcOffset = OffsetOf(m.time);
    m.location = HeaderLocation(d.header);
    m.channels = s.channels;
    m.stored = pick.stored;
    const QByteArray& block = s.Block(int(pick.slot / SlotsPerDay));
    const int minute = int(pick.slot % SlotsPerDay);
    if (m.stored) {
        const uint8_t op = SlotOperator(block, minute);
        m.hasOperator = op != NoOperator && op < HeaderOperatorCount(d.header) && op < MaxOperators;
        if (m.hasOperator)
            m.operatorName = OperatorName(d.operators, op);
        for (int ch = 0; ch < 14; ++ch)
            m.raw[ch] = SlotValue(block, minute, ch);
    }
    for (int ch = 0; ch < 14; ++ch)
        m.exception[ch] = s.exceptions->StateAt(ch, pick.slot);
    return m;
}

WallMinute TMinuteWalker::NewestStored() {
    const std::map<int, QString> files = MonthFiles();
    Sources sources;
    WallMinute newest = NoMinute;
    int looked = 0;
    for (auto it = files.rbegin(); it != files.rend() && looked < 2; ++it) {
        Source* s = SourceOf(sources, files, it->first);
        if (!s)
            continue;
        ++looked;
        for (int slot = s->slotCount - 1; slot >= 0 && s->start + slot > newest; --slot) {
            if (s->Stored(uint32_t(slot))) {
                newest = s->start + slot;
                break;
            }
        }
    }
    return newest;
}
