#pragma once

#include "comm/Cacquisitionservice.h"
#include "publish/Cpublisher.h"

#include <QObject>

class QLabel;
class QMainWindow;
class QThread;
struct TEnv;

// Publishing inside the program: the publisher on a thread of its own
// beside the acquisition, a listener of it told after every cycle that
// stored minutes, and
// its state in the status bar (connected, backlog, last acknowledged
// minute). Nothing here waits for the broker.
class TPublishing : public QObject, public TAcquisitionListener {
    Q_OBJECT
public:
    // The status goes into the window's status bar; the acquisition (none
    // beside a service, which publishes itself) tells of stored minutes.
    TPublishing(const TEnv& env, QMainWindow* window, TAcquisitionService* acquisition);
    ~TPublishing() override;

    // Reads the settings and starts publishing when it is enabled; a
    // publisher already running is stopped first (without waiting here).
    void Restart();
    // Stops publishing and waits for it (at most a few seconds): at close.
    void Shutdown();

    QLabel* StatusLabel() const { return FLabel; }
    PublishStatus Status() const { return FStatus; }
    bool Running() const { return FPublisher != nullptr; }
    // What the next start uses; tests shorten the waits.
    TPublisher::Options options;
    // How long a publisher refused by another one (zedactl publish) waits
    // before it tries again.
    int refusedRetryMs = 30000;

    // The status bar's text for a state, with what holds publishing up.
    static QString StatusText(const PublishStatus& status);

signals:
    void statusChanged(const PublishStatus& status);

private:
    static QString StateText(const PublishStatus& status);
    void StartPublisher();
    void StopPublisher(bool wait);
    void CycleEnded(int stored) override;
    void ShowStatus(const PublishStatus& status);

    const TEnv& FEnv;
    QLabel* FLabel = nullptr;
    QThread* FThread = nullptr;
    TPublisher* FPublisher = nullptr;
    QTimer* FRetry = nullptr;
    TAcquisitionService* FAcquisition = nullptr;
    bool FStartPending = false;
    PublishStatus FStatus;
};
