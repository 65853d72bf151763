#include "app/Upublishing.h"

#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fforpeople.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

namespace {

constexpr int ShutdownWaitMs = 5000;

QString Minute(WallMinute m) {
    return m == NoMinute ? QStringLiteral("-") : FormatDateTimeForPeople(FromWallMinute(m));
}

} // namespace

TPublishing::TPublishing(const TEnv& env, QMainWindow* window, TAcquisitionService* acquisition)
    : QObject(window), FEnv(env), FAcquisition(acquisition) {
    options.closeWaitMs = 2000;
    FLabel = new QLabel(window);
    FLabel->setObjectName("lblPublishStatus");
    FLabel->hide();
    window->statusBar()->addPermanentWidget(FLabel);
    if (FAcquisition)
        FAcquisition->AddListener(this);
    // Another publisher of the data directory may end: then this one takes over.
    FRetry = new QTimer(this);
    FRetry->setSingleShot(true);
    connect(FRetry, &QTimer::timeout, this, [this] {
        if (FStatus.state == PublishStatus::Refused)
            Restart();
    });
}

TPublishing::~TPublishing() {
    if (FAcquisition)
        FAcquisition->RemoveListener(this);
    StopPublisher(true);
}

QString TPublishing::StatusText(const PublishStatus& s) {
    const QString text = StateText(s);
    // A cursor not saved or a month file in the way is shown beside the state.
    if (s.problem.isEmpty() || text.isEmpty())
        return text;
    return tr("%1 - %2").arg(text, s.problem);
}

QString TPublishing::StateText(const PublishStatus& s) {
    switch (s.state) {
    case PublishStatus::Off:
        return s.error.isEmpty() ? QString() : tr("MQTT: %1").arg(s.error);
    case PublishStatus::Refused:
        return tr("MQTT: %1").arg(s.error);
    case PublishStatus::Connecting:
        return tr("MQTT: connecting to %1 ...").arg(s.broker);
    case PublishStatus::Connected:
        return tr("MQTT: connected, backlog %1, acknowledged up to %2")
            .arg(s.backlog)
            .arg(Minute(s.acknowledged));
    case PublishStatus::Waiting:
        return tr("MQTT: no connection, backlog %1, acknowledged up to %2")
            .arg(s.backlog)
            .arg(Minute(s.acknowledged));
    }
    return {};
}

void TPublishing::Restart() {
    if (FPublisher) {
        // The new publisher takes the lock once the old one gave it up.
        FStartPending = true;
        StopPublisher(false);
        return;
    }
    StartPublisher();
}

void TPublishing::Shutdown() {
    FRetry->stop();
    FStartPending = false;
    StopPublisher(true);
}

void TPublishing::StartPublisher() {
    const TIniFile ini(FEnv.IniPath());
    const PublishSettings settings = ReadPublishSettings(ini);
    if (!settings.enabled) {
        ShowStatus(PublishStatus());
        return;
    }
    const QByteArray location = Config ? Config->location : InstallationLocation(ini);
    FThread = new QThread(this);
    FThread->setObjectName("publisher");
    FPublisher = new TPublisher(FEnv.dataDir, settings, location, options);
    FPublisher->moveToThread(FThread);
    connect(FPublisher, &TPublisher::statusChanged, this, &TPublishing::ShowStatus);
    // Quit straight from the publisher's thread: the window may be waiting.
    connect(FPublisher, &TPublisher::stopped, FThread, &QThread::quit, Qt::DirectConnection);
    QThread* thread = FThread;
    TPublisher* publisher = FPublisher;
    connect(FThread, &QThread::finished, this, [this, thread, publisher] {
        delete publisher;
        thread->deleteLater();
        if (FThread == thread) {
            FThread = nullptr;
            FPublisher = nullptr;
        }
        if (FStartPending) {
            FStartPending = false;
            StartPublisher();
        }
    });
    FThread->start();
    QMetaObject::invokeMethod(FPublisher, &TPublisher::Start, Qt::QueuedConnection);
}

void TPublishing::StopPublisher(bool wait) {
    if (!FPublisher)
        return;
    QMetaObject::invokeMethod(FPublisher, &TPublisher::Stop, Qt::QueuedConnection);
    if (!wait)
        return;
    QThread* thread = FThread;
    TPublisher* publisher = FPublisher;
    FThread = nullptr;
    FPublisher = nullptr;
    disconnect(thread, &QThread::finished, this, nullptr);
    if (thread->wait(ShutdownWaitMs)) {
        delete publisher;
        delete thread;
    } else {
        // A thread still held by a name lookup is left to end with the
        // process; the cursor was written before the lookup began.
        thread->setParent(nullptr);
    }
}

void TPublishing::CycleEnded(int stored) {
    if (FPublisher && stored > 0)
        QMetaObject::invokeMethod(FPublisher, &TPublisher::MinutesStored, Qt::QueuedConnection);
}

void TPublishing::ShowStatus(const PublishStatus& status) {
    FStatus = status;
    const QString text = StatusText(status);
    FLabel->setText(text);
    FLabel->setToolTip(status.state == PublishStatus::Waiting ? status.error : QString());
    FLabel->setVisible(!text.isEmpty());
    if (status.state == PublishStatus::Refused && !FRetry->isActive())
        FRetry->start(refusedRetryMs);
    emit statusChanged(status);
}
