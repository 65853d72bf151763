#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class TCommBase;
struct TEnv;

// The INI key "Unit" chooses the link: "sim" (the default, also for any
// value it does not know) or "serial".
enum class UnitKind { Simulator, Serial };
UnitKind ReadUnitKind(const TEnv& env);

// The link the INI file names, complete but with its port not yet opened
// (call Start()).
std::unique_ptr<TCommBase> CreateComm(const TEnv& env);

// "Auto detect NO!": no port and speed reached the unit.
QString AutoDetectFailedText();

// What the communication dialog says about the link in use.
QString UnitKindText(const TCommBase& comm);

// The speeds of the communication dialog, in its order.
constexpr std::array<uint32_t, 6> DialogSpeeds = {600, 1200, 2400, 4800, 9600, 19200};

// The port item the dialog selects for "Kommunikationsport" (0 .. 3): that
// of COM2 when the key is missing, as the link tries COM2 then; -1 (none)
// when the key holds anything but 1 .. 4.
int PortItemFromIni(const TEnv& env);
// The speed item for "Baudrate": that of 600 .. 9600, otherwise 19200's.
int SpeedItemFromIni(const TEnv& env);
// The dialog's OK: "Baudrate" = the speed item's speed, and
// "Kommunikationsport" = port item + 1 unless no port is selected, which
// leaves the key as it is (a port 0 would break every later start). False
// after the write failure was reported.
bool WriteCommSettings(const TEnv& env, int portItem, int speedItem);
