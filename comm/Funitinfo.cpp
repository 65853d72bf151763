#include "comm/Funitinfo.h"

#include "comm/Ccommbase.h"
#include "config/Cclock.h"
#include "config/Fforpeople.h"

namespace {

const QString Invalid = QStringLiteral("#INV");

} // namespace

QString FirmwareText(TCommBase& comm, ReadingFor who) {
    DeviceInfo i;
    if (comm.GetInfo(i) == 0)
        return Invalid;
    const QString version =
        QString::asprintf("%u.%.2u  -/- ", unsigned(i.versionMajor), unsigned(i.versionMinor));
    if (who == ReadingFor::People)
        return version + FormatDateForPeople(1980 + i.releaseYear, i.releaseMonth, i.releaseDay);
    return version + QString::asprintf("%4u.%.2u.%.2u", 1980u + i.releaseYear,
                                       unsigned(i.releaseMonth), unsigned(i.releaseDay));
}

QString RecordCountText(TCommBase& comm) {
    int32_t count = 0;
    if (comm.GetRecordCount(count) == 0)
        return Invalid;
    return QString::asprintf("%u", unsigned(uint32_t(count) & 0xFFFF));
}

QString UnitClockText(TCommBase& comm, ReadingFor who) {
    DeviceClock c;
    if (comm.GetClock(c) == 0)
        return Invalid;
    if (who == ReadingFor::People)
        return FormatDateTimeSecondsForPeople(
            {1980 + c.year, c.month, c.day, c.hour, c.minute, c.second});
    return QString::asprintf("%4u.%.2u.%.2u  /  %2u:%.2u:%.2u", 1980u + c.year, unsigned(c.month),
                             unsigned(c.day), unsigned(c.hour), unsigned(c.minute),
                             unsigned(c.second));
}

QString RawValueText(uint16_t raw) {
    return QString::asprintf("%.4u", unsigned(raw));
}

QStringList CurrentValueTexts(TCommBase& comm) {
    SampleRecord r;
    if (comm.ReadCurrent(r) != 1)
        return {};
    QStringList texts;
    for (uint16_t v : r.values)
        texts << RawValueText(v);
    return texts;
}

ClockSetting SetUnitClock(TCommBase& comm, const LocalTime& t) {
    if (t.year < 1980 || t.year > 1980 + 255)
        return ClockSetting::OutOfRange;
    // The same test the cycle puts every record to.
    SampleRecord stamp;
    stamp.SetTime(SampleTimeFromLocal(t));
    if (!comm.IsTimePlausible(stamp))
        return ClockSetting::TooFar;
    return comm.SetClock(UnitClockFromLocal(t)) != 0 ? ClockSetting::Set
                                                     : ClockSetting::NoConnection;
}
