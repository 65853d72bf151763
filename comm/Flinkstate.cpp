#include "comm/Flinkstate.h"

#include "comm/Cacquisitionservice.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>

namespace {

QString ClockText(int hour, int minute) {
    return QString::asprintf("%02d:%02d", hour, minute);
}

} // namespace

LinkState LinkStateOf(const LinkReport& link) {
    LinkState s;
    if (link.hasRecord)
        s.lastRecord = SlotClockText(link.lastRecord.minute);
    if (link.simulated)
        return s;
    s.kind = link.up ? LinkState::Kind::Connected : LinkState::Kind::Lost;
    if (!link.up && link.lostAt)
        s.lostSince = ClockText(link.lostAt->hour, link.lostAt->minute);
    s.port = link.portName;
    s.device = link.device;
    return s;
}

QString LinkStateText(const LinkState& s) {
    switch (s.kind) {
    case LinkState::Kind::Simulator:
        return QCoreApplication::translate("Flinkstate", "Simulator");
    case LinkState::Kind::Connected:
        if (s.lastRecord.isEmpty())
            return QCoreApplication::translate("Flinkstate", "Unit: connected");
        return QCoreApplication::translate("Flinkstate", "Unit: connected — last record %1")
            .arg(s.lastRecord);
    case LinkState::Kind::Lost:
        break;
    }
    const QString where = (s.port + ' ' + s.device).trimmed();
    if (s.lostSince.isEmpty())
        return QCoreApplication::translate("Flinkstate", "Unit: no answer (%1), trying again")
            .arg(where);
    return QCoreApplication::translate("Flinkstate", "Unit: no answer since %1 (%2), trying again")
        .arg(s.lostSince, where);
}

uint32_t LinkStateColour(const LinkState& s) {
    switch (s.kind) {
    case LinkState::Kind::Simulator:
        return 0xC04000;
    case LinkState::Kind::Connected:
        return 0x008000;
    case LinkState::Kind::Lost:
        break;
    }
    return 0x0000C0;
}

bool LinkStale(const LinkState& s) {
    return s.kind == LinkState::Kind::Lost;
}

QString NoDataSinceText(const LinkState& s) {
    if (!LinkStale(s))
        return {};
    const QString since = s.lostSince.isEmpty() ? s.lastRecord : s.lostSince;
    if (since.isEmpty())
        return QCoreApplication::translate("Flinkstate", "no data");
    return QCoreApplication::translate("Flinkstate", "no data since %1").arg(since);
}

QString StaleCaption(const QString& caption, const LinkState& s) {
    if (!LinkStale(s))
        return caption;
    return caption + QStringLiteral(" — ") + NoDataSinceText(s);
}

QString SlotClockText(int slot) {
    const int minute = ((slot % SlotsPerDay) + SlotsPerDay) % SlotsPerDay;
    return ClockText(minute / 60, minute % 60);
}
