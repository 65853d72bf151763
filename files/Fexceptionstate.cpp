#include "files/Fexceptionstate.h"

#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <algorithm>
#include <cstring>

namespace {

// Valid entries: the header's count, never more than the table holds.
int PeriodCount(const MonthDocument& d) {
    const int held = int(d.exceptions.size() / ExceptionEntrySize);
    return std::min<int>(HeaderExceptionCount(d.header), std::min(held, MaxExceptions));
}

bool Covers(const ExceptionPeriod& p, int channel, uint32_t slot) {
    return p.from <= slot && slot <= p.to && channel >= 0 && channel < 16 &&
           (p.channelMask >> channel) & 1;
}

} // namespace

int ExceptionAt(const MonthDocument& document, int channel, uint32_t slot, char* code) {
    if (HasEarlyLayoutMarker(document.header))
        return ExceptionNone;
    const int count = PeriodCount(document);
    for (int i = 0; i < count; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(document.exceptions, i);
        if (!Covers(p, channel, slot))
            continue;
        if (code) {
            std::memcpy(code, p.code.data(), 4);
            code[4] = '\0';
        }
        return p.IsNoteOnly() ? ExceptionNoteOnly : ExceptionOrdinary;
    }
    return ExceptionNone;
}

TExceptionIndex::TExceptionIndex(const MonthDocument& document) {
    if (HasEarlyLayoutMarker(document.header))
        return;
    const int count = PeriodCount(document);
    FPeriods.reserve(count);
    for (int i = 0; i < count; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(document.exceptions, i);
        FPeriods.push_back({p.from, p.to, p.channelMask,
                            uint8_t(p.IsNoteOnly() ? ExceptionNoteOnly : ExceptionOrdinary)});
    }
}

int TExceptionIndex::StateAt(int channel, uint32_t slot) const {
    if (channel < 0 || channel >= 16)
        return ExceptionNone;
    for (const Period& p : FPeriods) {
        if (p.from <= slot && slot <= p.to && ((p.mask >> channel) & 1))
            return p.state;
    }
    return ExceptionNone;
}

int TExceptionIndex::StateUntil(int channel, uint32_t slot, uint32_t& until) const {
    until = UINT32_MAX;
    if (channel < 0 || channel >= 16)
        return ExceptionNone;
    int state = ExceptionNone;
    bool decided = false;
    for (const Period& p : FPeriods) {
        if (!((p.mask >> channel) & 1))
            continue;
        if (slot < p.from) {
            until = std::min(until, p.from);
        } else if (slot <= p.to) {
            if (p.to < UINT32_MAX)
                until = std::min(until, p.to + 1);
            if (!decided)
                state = p.state;
            decided = true;
        }
    }
    return state;
}
