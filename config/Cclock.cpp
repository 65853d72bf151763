#include "config/Cclock.h"

#include <ctime>

namespace {

LocalTime FromTm(const std::tm& tm) {
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

} // namespace

LocalTime TSystemClock::Local() const {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return FromTm(tm);
}

int64_t TSystemClock::SecondsSince1970() const {
    return static_cast<int64_t>(std::time(nullptr));
}

uint32_t TSystemClock::TickCount() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

int64_t SecondsFromLocal(const LocalTime& t) {
    const int64_t days =
        DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day));
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime LocalFromSeconds(int64_t seconds) {
    const std::time_t s = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&s, &tm);
    return FromTm(tm);
}

TSimClock::TSimClock(int64_t secondsSince1970, uint32_t tick)
    : FSeconds(secondsSince1970), FTick(tick) {}

LocalTime TSimClock::Local() const {
    return LocalFromSeconds(FSeconds);
}

void TSimClock::SetLocal(const LocalTime& t) {
    FSeconds = SecondsFromLocal(t);
}

void TSimClock::Advance(int64_t seconds) {
    FSeconds += seconds;
    FTick += static_cast<uint32_t>(seconds * 1000);
}
