#pragma once

#include <QString>

#include <cstdint>

struct LinkReport;

// The unit link as the person on duty sees it: whether records come, and
// since when they do not.
struct LinkState {
    enum class Kind { Simulator, Connected, Lost };
    Kind kind = Kind::Simulator;
    QString lastRecord; // "HH:MM" of the newest stored minute; empty before one
    QString lostSince;  // "HH:MM" when the unit stopped answering; empty if not known
    QString port;       // "COM2"
    QString device;     // what the port names, e.g. /dev/ttyUSB0
};

// The state of the link the acquisition service reports.
LinkState LinkStateOf(const LinkReport& link);

// "Unit: connected — last record 09:47", "Unit: no answer since 09:48 (COM2
// /dev/ttyUSB0), trying again", "Simulator".
QString LinkStateText(const LinkState& state);
// Green while records come, red while the unit does not answer, blue for
// the simulator; 0x00BBGGRR like every colour of the system.
uint32_t LinkStateColour(const LinkState& state);
// True when the values shown are older than the last cycle.
bool LinkStale(const LinkState& state);
// "no data since 09:48" for the minutes after a loss; empty while fresh.
QString NoDataSinceText(const LinkState& state);
// The running window's caption, marked while its values are stale.
QString StaleCaption(const QString& caption, const LinkState& state);
// "HH:MM" of a slot's minute of the day.
QString SlotClockText(int slot);
