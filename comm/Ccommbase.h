#pragma once

#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "files/Csamplerecord.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QSerialPort;

// The 32-byte little-endian form: year, month, minute, then the values.
QByteArray SampleRecordToBytes(const SampleRecord& record);
// Reads the form at offset at; the caller makes sure 32 bytes lie there.
SampleRecord SampleRecordFromBytes(const QByteArray& bytes, qsizetype at = 0);

// The unit's system information (5 bytes on the wire).
struct DeviceInfo {
    uint8_t versionMajor = 0;
    uint8_t versionMinor = 0;
    uint8_t releaseYear = 0; // since 1980
    uint8_t releaseMonth = 0;
    uint8_t releaseDay = 0;
};

// The speeds the port search tries, in its order.
constexpr std::array<uint32_t, 6> DetectSpeeds = {19200, 9600, 4800, 2400, 1200, 600};
// How long the search waits for the unit's answer to 'A'.
constexpr uint32_t DetectWaitMs = 200;

// Watches the port search: told of every try, and lets the waits pass (a
// window keeps serving its events meanwhile).
class TDetectObserver {
public:
    virtual ~TDetectObserver() = default;
    // Before the handshake on a port at a speed; false cancels the search.
    virtual bool Trying(const QString& portName, uint32_t speed) = 0;
    // Lets up to ms milliseconds pass; false cancels the search.
    virtual bool Wait(uint32_t ms) = 0;
};

// The device a port number stands for: the INI key "COM<n>" when it names
// one, otherwise /dev/ttyS0 .. /dev/ttyS3 for the ports 1 .. 4; empty for
// any other port number.
QString PortDevice(const TIniFile& ini, uint16_t portNumber);

// The link to the acquisition unit: the serial port, the record-time
// plausibility test, the no-connection reminder, and the nine unit
// operations a concrete link implements.
//
// Construction is two-phase. Opening the port asks the unit for its
// information through the concrete class, which does not exist yet while a
// base constructor runs; so the constructor only records the environment,
// and Start() reads the port settings and opens the port once the concrete
// object is complete.
class TCommBase {
public:
    explicit TCommBase(const TEnv& env);
    virtual ~TCommBase();

    TCommBase(const TCommBase&) = delete;
    TCommBase& operator=(const TCommBase&) = delete;

    // ReadPortSettings, then, for a link that uses the port, OpenPort; its
    // failure message names the port tried and where it is chosen. True
    // when the link is ready.
    bool Start();
    // False for a link that never uses the port (the simulated unit).
    virtual bool UsesPort() const { return true; }

    // Once per main-timer tick, before the cycle: a simulated unit makes its
    // records here; a real one makes them by itself.
    virtual void Tick() {}

    // Unit operations in their slot order; each reports by its result.
    virtual int32_t WriteByte(int32_t index, uint8_t value) = 0;
    virtual int32_t ReadByte(int32_t index, uint8_t& value) = 0;
    virtual int32_t GetInfo(DeviceInfo& info) = 0;
    virtual int32_t GetRecordCount(int32_t& count) = 0;
    virtual int32_t GetClock(DeviceClock& clock) = 0;
    virtual int32_t SetClock(const DeviceClock& clock) = 0;
    // 1 record delivered, 0 none waiting, -1 link error.
    virtual int32_t ReadOldest(SampleRecord& record) = 0;
    virtual int32_t RemoveOldest() = 0;
    virtual int32_t ReadCurrent(SampleRecord& record) = 0;

    // "Kommunikationsport" (default 2) and "Baudrate" (default 19200), both
    // kept in 16 bits.
    void ReadPortSettings();
    // Opens and sets up the port, then checks that the unit answers. False,
    // after a message and with the port closed, when any step fails. True
    // at once for a link that never uses the port.
    bool OpenPort();
    void ClosePort();

    // How often a link that is down is tried again, at most.
    static constexpr uint32_t ReopenIntervalMs = 5000;
    // A request that fails within this time of the unit's last answer is a
    // glitch of a few requests: it is tried again at once (each try waits
    // for its answer, so this is no busy loop).
    static constexpr int GlitchMs = 1000;
    // The pauses before the tries that follow a failed request: the first
    // comes at once, the later ones ever later, never more than
    // ReopenIntervalMs apart.
    static constexpr std::array<uint32_t, 5> RetryPausesMs = {0, 500, 1000, 2000, ReopenIntervalMs};
    // Opens a link that is down (no port, or a port that has gone) again and
    // asks the unit for its information, without a message (the
    // no-connection notice tells). True when the link is up.
    bool KeepConnected();
    // ReadOldest for the acquisition cycle, so that acquisition resumes
    // without anyone's help: a link that is down is opened again first, and
    // a failed request is tried again at once within GlitchMs of the last
    // answer, then after the pauses of RetryPausesMs shorter than
    // ReopenIntervalMs, serving events meanwhile. The longer
    // pauses are left to whoever paces the cycles; a link error (-1) means
    // the next try is due after RetryPauseMs().
    int32_t FetchOldest(SampleRecord& record);
    // The pause before the next try of a link that failed; 0 while it works.
    uint32_t RetryPauseMs() const;
    // The local time when the unit stopped answering; null while it answers
    // (also when NoConnection was set from outside).
    const LocalTime* LostAt() const { return NoConnection != 0 && FLostKnown ? &FLostAt : nullptr; }
    // False until the unit answered once (a simulated unit always answers).
    virtual bool Reached() const { return true; }
    // True when a record removed from the unit is gone for good, so that its
    // minute must be on the disk first; a simulated unit's records never
    // existed outside this program.
    virtual bool ForgetsRemovedRecords() const { return true; }
    // Searches COM1 .. COM4 at the six speeds for a unit that answers 'A'
    // with 'B' alone within 200 ms. True with the port and speed found; false
    // when none answered or the observer cancelled. Uses ports of its own
    // and leaves PortHandle alone.
    bool AutoDetect(uint16_t& portNumber, uint32_t& speed, TDetectObserver* observer = nullptr);

    // True when the record's minute lies within 30 days of the PC clock.
    bool IsTimePlausible(const SampleRecord& record) const;
    // While NoConnection is set, shows the no-connection notice at most once
    // every five minutes, counted from the closing of the previous one.
    void RemindNoConnection();

    // "COM<n>" of the current port number, as the user knows the port.
    QString PortName() const;

    uint32_t TickNow = 0;
    std::unique_ptr<QSerialPort> PortHandle; // null while no port is open
    uint16_t PortNumber = 0;
    uint16_t BaudRate = 0;
    int32_t NoConnection = 0;
    uint32_t LastNoticeTick = 0;

protected:
    const TEnv& Env() const { return FEnv; }
    // True when the link needs its port opened again; never for a link that
    // does not use the port.
    virtual bool LinkDown() const { return false; }
    // Keeps NoConnection after an exchange: set when the unit did not
    // answer, cleared by an answer, which also takes away a no-connection
    // notice still shown.
    void SetConnected(bool answered);

private:
    void Inform(const QString& text) const;
    // OpenPort without the message: the message's text, empty when the port
    // is open and the unit answered.
    QString TryOpenPort();
    // One handshake on an open port at a speed: true when 'B' alone came.
    // cancelled is set when the observer stopped the wait.
    bool Handshake(QSerialPort& port, uint32_t speed, TDetectObserver* observer, bool& cancelled);

    // Sets NoConnection, noting when the unit stopped answering.
    void MarkLost();
    // Lets ms milliseconds pass while the event loop serves timers and
    // painting (user input waits, as during an exchange).
    static void Pause(uint32_t ms);

    TEnv FEnv;
    size_t FFailures = 0;       // tries failed in a row, for the pause before the next
    QElapsedTimer FSinceAnswer; // since the unit's last answer; invalid before one
    LocalTime FLostAt{};        // when NoConnection was set last
    bool FLostKnown = false;
};

// The link to the unit, built by the main window (or a zedactl command).
extern TCommBase* Comm;

// "Es besteht keine Verbindung zum Akquisitionssystem!", as every command
// that reaches no unit says it.
QString NoConnectionText();
