#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class TAlarmEvaluator;
class TCommBase;
class TFileAct;
struct MonthDocument;
struct MonthInfo;
struct SampleRecord;
struct TEnv;

// "Aktuell:", the running window's caption before a record was stored.
QString NoRecordCaption();


// The acquisition cycle of the running-month window: moves the records
// waiting in the unit into the running month's file, oldest first, and keeps
// the window's document, day blocks and caption current. The window owns it;
// zedactl runs the very same cycle without a window.
class TAcquisition {
public:
    TAcquisition(const TEnv& env, TCommBase& comm, TFileAct& file, MonthDocument& document);

    // One cycle: the number of main-timer ticks to wait before the next one,
    // 1 when the unit had nothing or the link failed (after its quick tries,
    // TCommBase::FetchOldest), 11 after records.
    int RunCycle();
    // Writes one record into the month file and the in-memory day block;
    // false when the month file could not be written.
    bool StoreRecord(const SampleRecord& record);

    // What the window does on the way (each may be empty).
    std::function<void()> onDataReady; // the view holds data (MarkDataReady)
    std::function<void()> onRefresh;   // the view refreshes completely
    std::function<void()> onLoaded;    // the day blocks were (re)loaded
    std::function<void(const QString&)> onCaption;
    // Each record that reached its month file, after the document took it.
    std::function<void(const SampleRecord&)> onStored;
    // Watches every stored minute against the alarm limits (may be null).
    TAlarmEvaluator* alarms = nullptr;

    QString Caption() const { return FCaption; }
    int StoredCount() const { return FStored; }

private:
    // Tells the user once that the month file cannot be written; quiet
    // again until a record was stored.
    void ReportWriteFailure();
    // Tells the user which record no file can hold and why, once for each
    // cause until a record was stored.
    void ReportDropped(const SampleRecord& record);

    const TEnv& FEnv;
    TCommBase& FComm;
    TFileAct& FFile;
    MonthDocument& FDocument;
    QString FCaption = NoRecordCaption();
    int FStored = 0;
    bool FFailureReported = false;
    QString FLastDropCause; // of the record dropped last, until one is stored
};

// Puts a stored slot's bytes into a document's day block; false when the
// document does not hold that block.
bool PutSlot(MonthDocument& document, uint32_t slot, const QByteArray& bytes);

// "Aktuell: YYYY.MM.DD / HH:MM" of a slot of the month: the running window's
// caption once that minute is stored.
QString RunningCaption(const MonthInfo& info, uint32_t slot);

// "Error - The record of YYYY-MM-DD HH:MM cannot be stored and was removed
// from the unit: <why>!" for a record that no file can hold (failure as
// TFileAct reports it).
QString DroppedRecordText(const SampleRecord& record, int failure, const QString& path,
                          int daysStored);

// The main timer's pacing of the cycle: the link ticks on every tick (the
// simulator makes its records there), the cycle runs when the countdown
// reaches zero and nothing else is busy.
class TCycleTimer {
public:
    // One tick of the 5-second main timer.
    void Tick(TCommBase* comm, const std::function<int()>& runCycle);

    int32_t ticksToCycle = 1;
    bool busy = false;
    // True while the cycle itself runs (busy may also be set by a command).
    bool inCycle = false;
};
