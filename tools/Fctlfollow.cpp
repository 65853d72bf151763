#include "tools/Fctlfollow.h"

#include "comm/Cacquisitionservice.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "publish/Cpublisher.h"
#include "publish/Fpublishsettings.h"
#include "tools/Fctlcommon.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

constexpr unsigned long PublisherStopWaitMs = 5000;

// The publisher on a thread of its own, so that no broker holds up a
// cycle, told after each cycle that stored minutes; its complaints go to
// stderr (the journal).
class TServicePublishing : public TAcquisitionListener {
public:
    TServicePublishing(CtlEnv& ctl, const TIniFile& ini, QObject* context) {
        const PublishSettings settings = ReadPublishSettings(ini);
        if (!settings.enabled)
            return;
        TPublisher::Options options;
        options.program = QString::fromLatin1(AcquisitionServiceName);
        FPublisher = std::make_unique<TPublisher>(ctl.env.dataDir, settings,
                                                  InstallationLocation(ini), options);
        FPublisher->moveToThread(&FThread);
        const auto warn = [&ctl](const QString& text) {
            ctl.messages.Show(TMessages::Warning, text);
        };
        for (auto signal : {&TPublisher::failed, &TPublisher::attemptFailed,
                            &TPublisher::connectionLost, &TPublisher::warning})
            QObject::connect(FPublisher.get(), signal, context, warn);
        QObject::connect(FPublisher.get(), &TPublisher::stopped, &FThread, &QThread::quit,
                         Qt::DirectConnection);
        FThread.start();
        QMetaObject::invokeMethod(FPublisher.get(), &TPublisher::Start, Qt::QueuedConnection);
    }

    ~TServicePublishing() override {
        if (!FPublisher)
            return;
        QMetaObject::invokeMethod(FPublisher.get(), &TPublisher::Stop, Qt::QueuedConnection);
        if (FThread.wait(PublisherStopWaitMs)) {
            FPublisher.reset();
        } else {
            // Held by a name lookup: it ends with the process.
            (void)FPublisher.release();
        }
    }

    void CycleEnded(int stored) override {
        if (FPublisher && stored > 0)
            QMetaObject::invokeMethod(FPublisher.get(), &TPublisher::MinutesStored,
                                      Qt::QueuedConnection);
    }

private:
    QThread FThread;
    std::unique_ptr<TPublisher> FPublisher;
};

} // namespace

int FollowAcquisition(CtlEnv& ctl, TCommBase& comm, const TConfig& config, int tickMs,
                      TAlarmEvaluator* alarms) {
    TAcquisitionService service(ctl.env, comm, config);
    service.SetAlarms(alarms);
    service.Timer().setInterval(tickMs);
    QEventLoop loop;
    TServicePublishing publishing(ctl, TIniFile(ctl.env.IniPath()), &loop);
    service.AddListener(&publishing);
    // The loop ends once the cycle under way (it may wait for the unit in
    // an event loop of its own) has returned to it.
    const std::unique_ptr<QSocketNotifier> termination = CatchTermination([&] {
        service.Stop();
        loop.quit();
    });
    service.Start();
    // The first tick runs inside the loop, so that a signal during it
    // still ends the loop.
    QTimer::singleShot(0, &service, [&service] { service.Tick(); });
    if (termination)
        loop.exec();
    service.RemoveListener(&publishing);
    return service.StoredCount();
}
