#include "comm/Cacquisition.h"

#include "comm/Ccommbase.h"
#include "comm/Cnotices.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Fforpeople.h"
#include "files/Calarmevaluator.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>

TAcquisition::TAcquisition(const TEnv& env, TCommBase& comm, TFileAct& file,
                           MonthDocument& document)
    : FEnv(env), FComm(comm), FFile(file), FDocument(document) {
    // Each minute reaches the disk before its record may leave a unit that
    // forgets it; a simulated unit's minutes are not worth a flush each.
    if (!FComm.ForgetsRemovedRecords())
        FFile.storeSync = nullptr;
}

int TAcquisition::RunCycle() {
    // A link that went down is tried again here: nobody needs to act; after
    // the link's own quick tries the next tick tries once more.
    SampleRecord record;
    int r = FComm.FetchOldest(record);
    if (r == -1)
        return 1;
    if (r != 1)
        return 1;
    if (FEnv.messages)
        FEnv.messages->Beep();
    for (;;) {
        if (!FComm.IsTimePlausible(record)) {
            FComm.RemoveOldest();
            if (FEnv.notices)
                FEnv.notices->TimeDiff();
            return 11;
        }
        if (!StoreRecord(record)) {
            if (FFile.failure == TFileAct::Transient) {
                // The record stays in the unit: the next cycles try it again.
                ReportWriteFailure();
                if (onRefresh)
                    onRefresh();
                return 11;
            }
            // No file can ever hold it: it must not hold up the records
            // behind it.
            ReportDropped(record);
        }
        FComm.RemoveOldest();
        r = FComm.FetchOldest(record);
        if (r != 1) {
            if (onRefresh)
                onRefresh();
            break;
        }
    }
    return r == -1 ? 1 : 11;
}

bool TAcquisition::StoreRecord(const SampleRecord& record) {
    bool ok = FFile.WriteRecord(record);
    // The minute's alarms reach their log before the record may leave the
    // unit; a log that cannot be written keeps the record there.
    if (ok && alarms && !alarms->OnMinuteStored(FDocument, FFile.currentSlot, FFile.lastSlot)) {
        FFile.failure = TFileAct::Transient;
        FFile.failedPath = alarms->LogPath();
        ok = false;
    }
    if (ok) {
        if (!FFile.daysLoaded) {
            FFile.LoadDays();
            if (onLoaded)
                onLoaded();
        }
        // The window shows the record without reading the file again.
        const uint32_t slot = FFile.currentSlot;
        PutSlot(FDocument, slot, FFile.lastSlot);
        FCaption = RunningCaption(FDocument.Info(), slot);
        if (onCaption)
            onCaption(FCaption);
        ++FStored;
        FFailureReported = false;
        FLastDropCause.clear();
        if (onStored)
            onStored(record);
    }
    if (onDataReady)
        onDataReady();
    return ok;
}

void TAcquisition::ReportWriteFailure() {
    if (FFailureReported || !FEnv.messages)
        return;
    FFailureReported = true;
    FEnv.messages->Show(TMessages::Error, FFile.WriteFailureText());
}

void TAcquisition::ReportDropped(const SampleRecord& record) {
    // Once for each cause, not once for every minute it costs.
    const QString cause = QString::number(FFile.failure) + FFile.failedPath;
    if (cause == FLastDropCause || !FEnv.messages)
        return;
    FLastDropCause = cause;
    FEnv.messages->Show(TMessages::Error, DroppedRecordText(record, FFile.failure, FFile.failedPath,
                                                            HeaderDaysStored(FDocument.header)));
}

bool PutSlot(MonthDocument& document, uint32_t slot, const QByteArray& bytes) {
    if (slot / SlotsPerDay >= document.dayBlocks.size() || bytes.size() != SlotSize)
        return false;
    QByteArray& block = document.dayBlocks[slot / SlotsPerDay];
    const qsizetype at = static_cast<qsizetype>(slot % SlotsPerDay) * SlotSize;
    if (block.size() < at + SlotSize)
        return false;
    block.replace(at, SlotSize, bytes);
    return true;
}

QString RunningCaption(const MonthInfo& info, uint32_t slot) {
    const LocalTime t{int(SlotYear(info, slot)), int(SlotMonth(info, slot)),
                      int(SlotDay(info, slot)),  int(SlotHour(slot)),
                      int(slot % 60),            0};
    //: The running window's caption: %1 is the time of the newest stored record.
    return QCoreApplication::translate("Cacquisition", "Aktuell: %1")
        .arg(FormatDateTimeForPeople(t));
}

QString NoRecordCaption() {
    //: The running window's caption while no record has been stored yet.
    return QCoreApplication::translate("Cacquisition", "Aktuell:");
}

QString DroppedRecordText(const SampleRecord& record, int failure, const QString& path,
                          int daysStored) {
    const QString time =
        QString::asprintf("%04u-%02u-%02u %02u:%02u", 1980u + record.year, unsigned(record.month),
                          unsigned(record.minute / SlotsPerDay + 1),
                          unsigned(record.minute % SlotsPerDay / 60), unsigned(record.minute % 60));
    const QString why =
        failure == TFileAct::BeyondDayBlocks
            ? QCoreApplication::translate("Cacquisition", "the month file %1 holds only %2 days")
                  .arg(path)
                  .arg(daysStored)
            : QCoreApplication::translate("Cacquisition", "its month has no such day");
    return QCoreApplication::translate("Cacquisition",
                                       "Error - The record of %1 cannot be stored and was "
                                       "removed from the unit: %2!")
        .arg(time, why);
}

void TCycleTimer::Tick(TCommBase* comm, const std::function<int()>& runCycle) {
    if (comm)
        comm->Tick();
    if (ticksToCycle != 0)
        --ticksToCycle;
    if (ticksToCycle != 0 || busy)
        return;
    busy = true;
    inCycle = true;
    ticksToCycle = runCycle ? runCycle() : 1;
    if (comm)
        comm->RemindNoConnection();
    inCycle = false;
    busy = false;
}
