#include "comm/Cacquisition.h"

#include "comm/Ccommsim.h"
#include "comm/Cnotices.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"

TAcquisition::TAcquisition(const TEnv& env, TCommBase& comm, TFileAct& file,
                           MonthDocument& document)
    : FEnv(env), FComm(comm), FFile(file), FDocument(document) {}

int TAcquisition::RunCycle() {
    SampleRecord record;
    int r = FComm.ReadOldest(record);
    if (r == -1)
        return 11;
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
            // The record stays in the unit: the next cycles try it again.
            ReportWriteFailure(record);
            if (onRefresh)
                onRefresh();
            return 11;
        }
        FComm.RemoveOldest();
        r = FComm.ReadOldest(record);
        if (r != 1) {
            if (onRefresh)
                onRefresh();
            break;
        }
    }
    return 11;
}

bool TAcquisition::StoreRecord(const SampleRecord& record) {
    const bool ok = FFile.WriteRecord(record);
    if (ok) {
        if (!FFile.daysLoaded) {
            FFile.LoadDays();
            if (onLoaded)
                onLoaded();
        }
        // The window shows the record without reading the file again.
        const uint32_t slot = FFile.currentSlot;
        QByteArray& block = FDocument.dayBlocks[slot / SlotsPerDay];
        const qsizetype at = static_cast<qsizetype>(slot % SlotsPerDay) * SlotSize;
        if (block.size() >= at + SlotSize && FFile.lastSlot.size() == SlotSize)
            block.replace(at, SlotSize, FFile.lastSlot);
        const MonthInfo info = FDocument.Info();
        FCaption = QString::asprintf("%s %4u.%.2u.%.2u / %2u:%.2u",
                                     "Aktuell:", unsigned(SlotYear(info, slot)),
                                     unsigned(SlotMonth(info, slot)), unsigned(SlotDay(info, slot)),
                                     unsigned(SlotHour(slot)), unsigned(slot % 60));
        if (onCaption)
            onCaption(FCaption);
        ++FStored;
        FFailureReported = false;
    }
    if (onDataReady)
        onDataReady();
    return ok;
}

void TAcquisition::ReportWriteFailure(const SampleRecord& record) {
    if (FFailureReported || !FEnv.messages)
        return;
    FFailureReported = true;
    QString path = FDocument.FilePath();
    if (path.isEmpty())
        path = FFile.MonthFilePath(record.year, record.month);
    FEnv.messages->Show(TMessages::Error, "Error - File " + path + " cannot be written!");
}

void TCycleTimer::Tick(TCommSim* comm, const std::function<int()>& runCycle) {
    if (comm)
        comm->Tick();
    if (ticksToCycle != 0)
        --ticksToCycle;
    if (ticksToCycle != 0 || busy)
        return;
    busy = true;
    ticksToCycle = runCycle ? runCycle() : 1;
    if (comm)
        comm->RemindNoConnection();
    busy = false;
}
