#include "unit/Cunitemulator.h"

#include "config/Cclock.h"
#include "config/Fcalendar.h"
#include "config/Fmemory.h"

#include <ctime>

namespace {

// One answer in this many gets a fault, when faults are asked for.
constexpr uint32_t FaultEvery = 8;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

bool ValidClock(const QByteArray& c) {
    const int month = GetU8(c, 1);
    const int day = GetU8(c, 2);
    return month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(GetU8(c, 0), uint8_t(month)) && GetU8(c, 3) < 24 &&
           GetU8(c, 4) < 60 && GetU8(c, 5) < 60;
}

} // namespace

TUnitEmulator::TUnitEmulator(const UnitOptions& options, int64_t nowMs)
    : FOptions(options), FBaseSeconds(options.clockSeconds), FBaseMs(nowMs),
      FLastMinute(FloorDiv(options.clockSeconds, 60) - 1),
      // Ids go on from the time of the start, so a restarted unit does not
      // hand out the ids of records the PC may still want to remove.
      FNextId(static_cast<uint32_t>(std::time(nullptr))), FRandom(options.seed) {}

int64_t TUnitEmulator::ClockSeconds(int64_t nowMs) const {
    return FBaseSeconds + FloorDiv((nowMs - FBaseMs) * FOptions.clockRate, 1000);
}

SampleRecord TUnitEmulator::RecordOfMinute(int64_t minute) const {
    const LocalTime t = LocalFromSeconds(minute * 60);
    SampleRecord r;
    r.SetTime(SampleTimeFromLocal(t));
    for (int i = 0; i < ChannelCount; ++i)
        r.values[i] = static_cast<uint16_t>(i * 10 + t.minute);
    return r;
}

void TUnitEmulator::Produce(int64_t nowMs) {
    const int64_t now = FloorDiv(ClockSeconds(nowMs), 60);
    if (now == FLastMinute)
        return;
    // A clock put back makes a record of the minute it now shows.
    int64_t first = now < FLastMinute ? now : FLastMinute + 1;
    FLastMinute = now;
    for (int64_t m = first; m <= now; ++m) {
        if (FOptions.records >= 0 && FMade >= FOptions.records)
            return;
        if (int(FQueue.size()) >= QueueSize)
            return; // the remaining minutes are lost
        FQueue.push_back({FNextId++, RecordOfMinute(m)});
        ++FMade;
    }
}

QByteArray TUnitEmulator::Payload(const Frame& request, int64_t nowMs, bool& known) {
    known = true;
    const QByteArray& in = request.payload;
    switch (request.code) {
    case CmdGetInfo:
        if (in.isEmpty())
            return QByteArray("\x01\x0A\x0C\x0B\x0E", 5); // 1.10 of 1992-11-14
        break;
    case CmdGetRecordCount:
        if (in.isEmpty()) {
            QByteArray b(4, '\0');
            PutU32(b, 0, uint32_t(FQueue.size()));
            return b;
        }
        break;
    case CmdGetClock:
        if (in.isEmpty()) {
            const DeviceClock c = UnitClockFromLocal(LocalFromSeconds(ClockSeconds(nowMs)));
            QByteArray b(6, '\0');
            PutU8(b, 0, c.year);
            PutU8(b, 1, c.month);
            PutU8(b, 2, c.day);
            PutU8(b, 3, c.hour);
            PutU8(b, 4, c.minute);
            PutU8(b, 5, c.second);
            return b;
        }
        break;
    case CmdSetClock:
        if (in.size() == 6) {
            if (!ValidClock(in))
                return QByteArray(1, '\0');
            const LocalTime t{1980 + GetU8(in, 0), GetU8(in, 1), GetU8(in, 2),
                              GetU8(in, 3),        GetU8(in, 4), GetU8(in, 5)};
            FBaseSeconds = SecondsFromLocal(t);
            FBaseMs = nowMs;
            // The next record comes with the next whole minute.
            FLastMinute = FloorDiv(FBaseSeconds, 60);
            return QByteArray(1, '\1');
        }
        break;
    case CmdReadOldest:
        if (in.isEmpty()) {
            if (FQueue.empty())
                return QByteArray();
            QByteArray b(4, '\0');
            PutU32(b, 0, FQueue.front().id);
            return b + SampleRecordToBytes(FQueue.front().record);
        }
        break;
    case CmdRemoveOldest:
        if (in.size() == 8) {
            // Only the record the PC names: a repeated removal removes nothing.
            const bool match = !FQueue.empty() && FQueue.front().id == GetU32(in, 0) &&
                               FQueue.front().record.year == GetU8(in, 4) &&
                               FQueue.front().record.month == GetU8(in, 5) &&
                               FQueue.front().record.minute == GetU16(in, 6);
            if (match)
                FQueue.pop_front();
            return QByteArray(1, match ? '\1' : '\0');
        }
        break;
    case CmdReadCurrent:
        if (in.isEmpty())
            return SampleRecordToBytes(RecordOfMinute(FloorDiv(ClockSeconds(nowMs), 60)));
        break;
    case CmdWriteByte:
        if (in.size() == 5) {
            const uint32_t index = GetU32(in, 0);
            if (index >= FMemory.size())
                return QByteArray(1, '\0');
            FMemory[index] = GetU8(in, 4);
            return QByteArray(1, '\1');
        }
        break;
    case CmdReadByte:
        if (in.size() == 4) {
            const uint32_t index = GetU32(in, 0);
            QByteArray b(2, '\0');
            if (index < FMemory.size()) {
                PutU8(b, 0, 1);
                PutU8(b, 1, FMemory[index]);
            }
            return b;
        }
        break;
    default:
        break;
    }
    known = false;
    return {};
}

QByteArray TUnitEmulator::Damage(QByteArray frame) {
    const bool any = FOptions.dropByte || FOptions.corruptFrame || FOptions.silence;
    if (!any || FRandom() % FaultEvery != 0)
        return frame;
    std::array<int, 3> kinds{};
    int n = 0;
    if (FOptions.dropByte)
        kinds[n++] = 0;
    if (FOptions.corruptFrame)
        kinds[n++] = 1;
    if (FOptions.silence)
        kinds[n++] = 2;
    const int kind = kinds[FRandom() % uint32_t(n)];
    const qsizetype at = 1 + qsizetype(FRandom() % uint32_t(frame.size() - 1));
    switch (kind) {
    case 0:
        ++dropped;
        frame.remove(at, 1);
        break;
    case 1:
        ++corrupted;
        frame[at] = char(frame[at] ^ (1 << (FRandom() % 8)));
        break;
    default:
        // This request and a few more go unanswered: longer than the
        // driver's tries of one exchange.
        ++silences;
        FSilentFor = 3 + int(FRandom() % 4);
        return {};
    }
    return frame;
}

QByteArray TUnitEmulator::Answer(const Frame& request, int64_t nowMs) {
    if (FSilentFor > 0) {
        --FSilentFor;
        return {};
    }
    Produce(nowMs);
    bool known = false;
    const QByteArray payload = Payload(request, nowMs, known);
    if (!known)
        return {};
    return Damage(EncodeFrame(uint8_t(request.code | AnswerFlag), request.seq, payload));
}
