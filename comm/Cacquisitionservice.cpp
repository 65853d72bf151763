#include "comm/Cacquisitionservice.h"

#include "comm/Ccommbase.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "files/Cfileact.h"

#include <algorithm>

TAcquisitionService::TAcquisitionService(const TEnv& env, TCommBase& comm, const TConfig& config,
                                         QObject* parent)
    : QObject(parent), FEnv(env), FComm(comm) {
    FFile = std::make_unique<TFileAct>(&FDocument, env, config);
    FAcquisition = std::make_unique<TAcquisition>(env, comm, *FFile, FDocument);
    FAcquisition->onStored = [this](const SampleRecord& r) { Stored(r); };
    FTimer.setInterval(TickMs);
    connect(&FTimer, &QTimer::timeout, this, &TAcquisitionService::Tick);
}

TAcquisitionService::~TAcquisitionService() = default;

void TAcquisitionService::AddListener(TAcquisitionListener* listener) {
    if (listener && std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end())
        FListeners.push_back(listener);
}

void TAcquisitionService::RemoveListener(TAcquisitionListener* listener) {
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), listener), FListeners.end());
}

void TAcquisitionService::Start() {
    FPacing.ticksToCycle = 1;
    FTimer.start();
}

void TAcquisitionService::Stop() {
    FTimer.stop();
}

void TAcquisitionService::Tick() {
    const std::function<int()> run = cycle ? cycle : [this] { return RunCycle(); };
    FPacing.Tick(&FComm, run);
}

int TAcquisitionService::RunCycle() {
    FStoredInCycle = 0;
    const int ticks = FAcquisition->RunCycle();
    CheckLink();
    Tell([this](TAcquisitionListener& l) { l.CycleEnded(FStoredInCycle); });
    return ticks;
}

void TAcquisitionService::Stored(const SampleRecord& record) {
    ++FStoredInCycle;
    FLink.hasRecord = true;
    FLink.lastRecord = {record.year, record.month, record.minute};
    StoredMinute m;
    m.record = record;
    m.path = FDocument.FilePath();
    m.slot = FFile->currentSlot;
    m.bytes = FFile->lastSlot;
    m.caption = FAcquisition->Caption();
    m.document = &FDocument;
    Tell([&m](TAcquisitionListener& l) { l.MinuteStored(m); });
}

void TAcquisitionService::Tell(const std::function<void(TAcquisitionListener&)>& say) {
    // A listener may go away while the others are told (a window closing).
    const std::vector<TAcquisitionListener*> listeners = FListeners;
    for (TAcquisitionListener* l : listeners) {
        if (std::find(FListeners.begin(), FListeners.end(), l) != FListeners.end())
            say(*l);
    }
}

LinkReport TAcquisitionService::Link() const {
    LinkReport s = FLink;
    s.up = FComm.Reached() && FComm.NoConnection == 0;
    s.simulated = !FComm.UsesPort();
    const LocalTime* lost = FComm.LostAt();
    s.lostAt = lost ? std::optional<LocalTime>(*lost) : std::nullopt;
    if (s.simulated)
        return s;
    // The device is looked up in the settings only when the port changed.
    if (s.portName != FComm.PortName() || s.device.isEmpty()) {
        s.portName = FComm.PortName();
        s.device = PortDevice(TIniFile(FEnv.IniPath()), FComm.PortNumber);
    }
    return s;
}

void TAcquisitionService::CheckLink() {
    const LinkReport now = Link();
    const bool changed = !FLinkKnown || now.up != FLink.up || now.portName != FLink.portName ||
                         now.device != FLink.device;
    FLink = now;
    if (!changed)
        return;
    FLinkKnown = true;
    Tell([this](TAcquisitionListener& l) { l.LinkChanged(FLink); });
}

void TAcquisitionService::SetAlarms(TAlarmEvaluator* alarms) {
    FAcquisition->alarms = alarms;
}
