#pragma once

#include "comm/Cacquisition.h"
#include "config/Cclock.h"
#include "config/Fcalendar.h"
#include "files/Cmonthdocument.h"
#include "files/Csamplerecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCommBase;
class TConfig;
class TFileAct;
struct TEnv;

// The name the headless service writes into the data directory's lock:
// zeda finds it there and opens the directory as a viewer.
inline constexpr char AcquisitionServiceName[] = "zeda-acquire";

// One minute that reached its month file.
struct StoredMinute {
    SampleRecord record;
    QString path;      // the month file it went into
    uint16_t slot = 0; // its slot there
    QByteArray bytes;  // the slot's 30 bytes as stored
    QString caption;   // "Aktuell: YYYY.MM.DD / HH:MM"
    // The file part as stored (header, day blocks, tables); valid during
    // the announcement only.
    const MonthDocument* document = nullptr;
};

// The state of the unit link, with what a status line tells about it.
struct LinkReport {
    bool up = false;
    bool simulated = false; // the built-in simulator, no port
    QString portName;       // "COM2"; empty for the simulated unit
    QString device;         // "/dev/ttyS1"; empty for the simulated unit
    bool hasRecord = false; // a record was stored since the start
    SampleTime lastRecord;  // the minute of the record stored last
    std::optional<LocalTime> lostAt; // when the unit stopped answering, if known

    bool operator==(const LinkReport&) const = default;
};

// Told by the service; every call comes on the service's thread, while the
// cycle runs. A listener that is added late hears what comes after.
class TAcquisitionListener {
public:
    virtual ~TAcquisitionListener() = default;
    virtual void MinuteStored(const StoredMinute& minute) { (void)minute; }
    virtual void LinkChanged(const LinkReport& link) { (void)link; }
    // After every cycle; stored is the number of minutes it stored, so that
    // a listener that redraws does so once for a burst of minutes.
    virtual void CycleEnded(int stored) { (void)stored; }
};

// The acquisition of one data directory: owns the running-month file, the
// cycle that stores the unit's records into it and the pacing (the 5-second
// tick, a cycle every 1 or 11 ticks), and announces each stored minute and
// each change of the link to its listeners. The running-month window, the
// publishing, zedactl and the headless service all run this one object.
class TAlarmEvaluator;

class TAcquisitionService : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 5000;

    // The link is used, not owned: the program keeps it for its unit
    // dialogs too. The settings give the file its channels and location.
    TAcquisitionService(const TEnv& env, TCommBase& comm, const TConfig& config,
                        QObject* parent = nullptr);
    ~TAcquisitionService() override;

    // Registers a listener until RemoveListener (or the service's end).
    void AddListener(TAcquisitionListener* listener);
    void RemoveListener(TAcquisitionListener* listener);

    // Starts the 5-second tick. The owner runs the first tick itself once
    // its listeners are in place, so that the records waiting in the unit
    // are fetched without delay and nobody misses them.
    void Start();
    void Stop();
    bool Running() const { return FTimer.isActive(); }
    QTimer& Timer() { return FTimer; }

    // One tick: the link ticks (the simulator makes its records), the cycle
    // runs when its countdown is over and nothing holds it.
    void Tick();
    // One cycle; the ticks to wait before the next one (1 or 11).
    int RunCycle();

    // The cycle the ticks run: RunCycle unless replaced (tests count).
    std::function<int()> cycle;

    int TicksToCycle() const { return FPacing.ticksToCycle; }
    bool Busy() const { return FPacing.busy; }
    // Commands that must not interleave with a cycle set this around their
    // work.
    void SetBusy(bool busy) { FPacing.busy = busy; }
    bool InCycle() const { return FPacing.inCycle; }

    // Who watches every stored minute against the alarm limits (may be
    // null); told before the record leaves the unit.
    void SetAlarms(TAlarmEvaluator* alarms);

    int StoredCount() const { return FAcquisition->StoredCount(); }
    // The link as it is now: what the status bar, the running window and
    // the Channels panel show of it.
    LinkReport Link() const;
    TCommBase& Comm() const { return FComm; }
    TFileAct& File() const { return *FFile; }
    const MonthDocument& Document() const { return FDocument; }

private:
    void Stored(const SampleRecord& record);
    void Tell(const std::function<void(TAcquisitionListener&)>& say);
    // Announces the link's state when it changed since the last cycle.
    void CheckLink();

    const TEnv& FEnv;
    TCommBase& FComm;
    MonthDocument FDocument;
    std::unique_ptr<TFileAct> FFile;
    std::unique_ptr<TAcquisition> FAcquisition;
    TCycleTimer FPacing;
    QTimer FTimer;
    std::vector<TAcquisitionListener*> FListeners;
    LinkReport FLink;
    bool FLinkKnown = false;
    int FStoredInCycle = 0;
};
