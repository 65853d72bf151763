#include "publish/Cminutewalker.h"

#include "config/Fcalendar.h"
#include "files/Cfilebase.h"
#include "files/Cmonthdata.h"
#include "files/Fmonthfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <sys/stat.h>

namespace {

// The months to look at: those with a file, and those after them, which the
// overflow days of a file reach into.
std::set<int> MonthsToLook(const std::map<int, QString>& files) {
    std::set<int> months;
    for (const auto& [month, path] : files) {
        months.insert(month);
        months.insert(month + 1);
    }
    return months;
}

int MonthIndex(uint8_t year, uint8_t month) {
    return year * 12 + month - 1;
}

uint8_t YearOfIndex(int index) {
    return uint8_t(index / 12);
}

uint8_t MonthOfIndex(int index) {
    return uint8_t(index % 12 + 1);
}

WallMinute StartOfIndex(int index) {
    return MonthStart(YearOfIndex(index), MonthOfIndex(index));
}

WallMinute EndOfIndex(int index) {
    return StartOfIndex(index) + DaysInMonth(YearOfIndex(index), MonthOfIndex(index)) * SlotsPerDay;
}

} // namespace

// One month file as the month-data core reads it for the walk. Not usable:
// it exists, but cannot be read now (busy) or is no month file (damaged);
// its minutes are never walked.
struct TMinuteWalker::Source {
    Source(const QString& path, int lockWaitMs) : path(path), file(path, lockWaitMs) {}

    QString path;
    TMonthFileReader file;
    Block::Kind problem = Block::None; // why it is not usable
    WallMinute start = 0;              // the minute of slot 0
    WallMinute slotCount = 0;          // day blocks x 1440

    bool Usable() const { return problem == Block::None; }
    bool Covers(WallMinute minute) const { return minute >= start && minute < start + slotCount; }
    uint32_t SlotOf(WallMinute minute) const { return uint32_t(minute - start); }

    // The slot's minute is stored; false with readable false when its day
    // cannot be read.
    bool Stored(uint32_t slot, bool& readable) {
        readable = file.Reader().Readable(slot);
        return readable && file.Reader().Stored(slot);
    }
};
TMinuteWalker::TMinuteWalker(QString dataDir, int lockWaitMs)
    : FDir(std::move(dataDir)), FLockWaitMs(lockWaitMs) {}

TMinuteWalker::~TMinuteWalker() = default;

std::map<int, QString> TMinuteWalker::MonthFiles() const {
    static const QRegularExpression name(R"(^D(\d{4})-(\d{2})\.ZMF$)",
                                         QRegularExpression::CaseInsensitiveOption);
    std::map<int, QString> files;
    // Directories and other things of a month file's name count: they stop
    // the walk as damaged files do, instead of being taken for no file.
    const QStringList entries = QDir(FDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
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

void TMinuteWalker::SetBlock(Block::Kind kind, const QString& path) {
    if (FBlock.kind == Block::None)
        FBlock = {kind, path};
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
    auto source = std::make_unique<Source>(file->second, FLockWaitMs);
    const TMonthFileReader& f = source->file;
    if (!f.IsOpen()) {
        if (f.Result() == TFileBase::CannotOpen && f.Why() == TFileAccess::Missing)
            return nullptr; // gone since the directory was listed
        // A file of no bytes holds nothing: an interrupted creation.
        if (f.Result() == TFileBase::NotDataFile && QFileInfo(file->second).size() == 0)
            return nullptr;
        // Locked past the wait, or an error that may pass: tried again later.
        const bool mayPass = f.Result() == TFileBase::CannotOpen && f.Why() != TFileAccess::NotRegular;
        source->problem = mayPass ? Block::Busy : Block::Damaged;
    } else {
        const QByteArray& h = f.Document().header;
        source->start = MonthStart(HeaderYear(h), HeaderMonth(h));
        source->slotCount = source->file.Reader().SlotCount();
    }
    s = std::move(source);
    return s.get();
}

TMinuteWalker::Pick TMinuteWalker::PickMinute(Source* own, Source* previous, WallMinute minute,
                                              WallMinute monthStart) {
    Pick pick;
    bool readable = true;
    if (own && !own->Usable())
        return {own, 0, false, true};
    if (own && own->Covers(minute)) {
        pick = {own, own->SlotOf(minute), own->Stored(own->SlotOf(minute), readable), !readable};
        if (pick.stored || pick.blocked)
            return pick;
    }
    if (previous && !previous->Usable()) {
        // Its overflow days may hold the minute: it cannot be told now.
        if (minute - monthStart < WallMinute(FileOverflowDays) * SlotsPerDay)
            return {previous, 0, false, true};
        return pick;
    }
    if (previous && previous->Covers(minute)) {
        const bool stored = previous->Stored(previous->SlotOf(minute), readable);
        if (!readable)
            return {previous, 0, false, true};
        if (stored)
            return {previous, previous->SlotOf(minute), true, false};
        if (!pick.source)
            pick = {previous, previous->SlotOf(minute), false, false};
    }
    return pick;
}

std::vector<PublishedMinute> TMinuteWalker::Next(WallMinute after, int max, bool afterWasSent) {
    std::vector<PublishedMinute> found;
    FZone = QTimeZone::systemTimeZone();
    FOffsets.clear();
    FExists.clear();
    FBlock = Block();
    const std::map<int, QString> files = MonthFiles();
    if (files.empty() || max <= 0)
        return found;
    const std::set<int> months = MonthsToLook(files);
    uint8_t y = 0;
    uint8_t m = 1;
    MonthOf(std::max<WallMinute>(after + 1, 0), y, m);
    Sources sources;
    std::vector<Pick> pending; // minutes without data, waiting for a stored one
    std::vector<Pick> picks;
    bool open = afterWasSent; // inside a stretch: minutes without data count
    bool blocked = false;
    int previousMonth = -1;
    for (auto it = months.lower_bound(MonthIndex(y, m)); it != months.end() && !blocked; ++it) {
        const int month = *it;
        // A month between with no file at all ends the stretch.
        if (previousMonth >= 0 && month != previousMonth + 1) {
            pending.clear();
            open = false;
        }
        previousMonth = month;
        Source* own = SourceOf(sources, files, month);
        Source* previous = SourceOf(sources, files, month - 1);
        for (WallMinute w = std::max(StartOfIndex(month), after + 1); w < EndOfIndex(month); ++w) {
            const Pick pick = PickMinute(own, previous, w, StartOfIndex(month));
            if (pick.blocked) {
                SetBlock(pick.source->Usable() ? Block::Unreadable : pick.source->problem,
                         pick.source->path);
                blocked = true;
                break;
            }
            if (!pick.source) {
                pending.clear();
                open = false;
                break;
            }
            if (!pick.stored) {
                if (open && Exists(w))
                    pending.push_back(pick);
                continue;
            }
            picks.insert(picks.end(), pending.begin(), pending.end());
            pending.clear();
            picks.push_back(pick);
            open = true;
            if (int(picks.size()) >= max)
                break;
        }
        if (int(picks.size()) >= max)
            break;
    }
    picks.resize(std::min<size_t>(picks.size(), size_t(max)));
    found.reserve(picks.size());
    for (const Pick& p : picks) {
        std::optional<PublishedMinute> described = Describe(p);
        // A day that cannot be read now ends the walk: its minutes come later.
        if (!described) {
            SetBlock(Block::Unreadable, p.source->path);
            break;
        }
        found.push_back(std::move(*described));
    }
    return found;
}

bool TMinuteWalker::Exists(WallMinute minute) {
    const int64_t hour = minute / 60;
    const auto known = FExists.find(hour);
    if (known != FExists.end())
        return known->second;
    LocalTime t = FromWallMinute(hour * 60);
    const bool exists = LocalTimeExists(t, FZone);
    FExists[hour] = exists;
    return exists;
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

std::optional<PublishedMinute> TMinuteWalker::Describe(const Pick& pick) {
    Source& s = *pick.source;
    TMonthReader& r = s.file.Reader();
    // The day is read again when the walk has left it since the pick.
    if (!r.Readable(pick.slot))
        return std::nullopt;
    const MonthDocument& d = s.file.Document();
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
    m.channels = r.Channels();
    m.stored = pick.stored;
    if (m.stored) {
        const uint8_t op = r.Operator(pick.slot);
        m.hasOperator = op != NoOperator && op < HeaderOperatorCount(d.header) && op < MaxOperators;
        if (m.hasOperator)
            m.operatorName = OperatorName(d.operators, op);
        for (int ch = 0; ch < ChannelCount; ++ch)
            m.raw[ch] = r.Raw(pick.slot, ch);
    }
    for (int ch = 0; ch < ChannelCount; ++ch)
        m.exception[ch] = r.Exception(ch, pick.slot);
    return m;
}

WallMinute TMinuteWalker::NewestStored() {
    FBlock = Block();
    const std::map<int, QString> files = MonthFiles();
    Sources sources;
    WallMinute newest = NoMinute;
    int looked = 0;
    for (auto it = files.rbegin(); it != files.rend() && looked < 2; ++it) {
        Source* s = SourceOf(sources, files, it->first);
        if (!s)
            continue;
        if (!s->Usable()) {
            SetBlock(s->problem, s->path);
            continue;
        }
        ++looked;
        for (int slot = int(s->slotCount) - 1; slot >= 0 && s->start + slot > newest; --slot) {
            bool readable = true;
            if (s->Stored(uint32_t(slot), readable)) {
                newest = s->start + slot;
                break;
            }
            if (!readable) {
                SetBlock(Block::Unreadable, s->path);
                break;
            }
        }
    }
    return newest;
}

WallMinute TMinuteWalker::OldestMonthStart() const {
    const std::map<int, QString> files = MonthFiles();
    return files.empty() ? NoMinute : StartOfIndex(files.begin()->first);
}

TMinuteWalker::Print TMinuteWalker::PrintOf(const std::map<int, QString>& files, int month) const {
    const auto file = files.find(month);
    struct stat st {};
    if (file == files.end() || ::stat(QFile::encodeName(file->second).constData(), &st) != 0)
        return {};
    return {quint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

bool TMinuteWalker::VisitMonth(Sources& sources, const std::map<int, QString>& files, int month,
                               WallMinute last,
                               const std::function<void(WallMinute, const Pick&)>& visit) {
    Source* own = SourceOf(sources, files, month);
    Source* previous = SourceOf(sources, files, month - 1);
    const WallMinute end = std::min(EndOfIndex(month), last + 1);
    for (WallMinute w = StartOfIndex(month); w < end; ++w) {
        const Pick pick = PickMinute(own, previous, w, StartOfIndex(month));
        if (pick.blocked)
            return false;
        if (pick.stored)
            visit(w, pick);
    }
    return true;
}

std::vector<PublishedMinute> TMinuteWalker::Late(WallMinute last, const TMinuteRuns& known,
                                                 const std::set<WallMinute>& skip, int max) {
    std::vector<PublishedMinute> found;
    FZone = QTimeZone::systemTimeZone();
    FOffsets.clear();
    const std::map<int, QString> files = MonthFiles();
    const std::set<int> months = MonthsToLook(files);
    Sources sources;
    for (const int month : months) {
        if (StartOfIndex(month) > last || int(found.size()) >= max)
            break;
        // Month after month: the files of older months are not needed again.
        sources.erase(month - 2);
        const std::pair<Print, Print> prints{PrintOf(files, month), PrintOf(files, month - 1)};
        const auto clean = FClean.find(month);
        if (clean != FClean.end() && clean->second == prints)
            continue;
        int missing = 0;
        const bool read = VisitMonth(sources, files, month, last, [&](WallMinute w, const Pick& p) {
            if (known.Contains(w))
                return;
            ++missing;
            if (skip.count(w) || int(found.size()) >= max)
                return;
            if (std::optional<PublishedMinute> described = Describe(p)) {
                found.push_back(std::move(*described));
                found.back().late = true;
            }
        });
        // A month that cannot be read now is looked at again next time.
        if (read && missing == 0)
            FClean[month] = prints;
        else
            FClean.erase(month);
    }
    return found;
}

TMinuteRuns TMinuteWalker::StoredUpTo(WallMinute last) {
    TMinuteRuns runs;
    const std::map<int, QString> files = MonthFiles();
    const std::set<int> months = MonthsToLook(files);
    Sources sources;
    for (const int month : months) {
        if (StartOfIndex(month) > last)
            break;
        // Month after month: the files of older months are not needed again.
        sources.erase(month - 2);
        VisitMonth(sources, files, month, last, [&](WallMinute w, const Pick&) { runs.Add(w); });
    }
    return runs;
}
