#pragma once

class QLabel;
class QStatusBar;
class TChannelPanel;
class TCommBase;
class TfmChildAct;
struct TEnv;

// The unit link in the status bar at all times, coloured, and the marks of
// stale values on the running window and the Channels panel.
class TLinkStatus {
public:
    TLinkStatus(const TEnv& env, QStatusBar* bar);

    // After every tick of the main timer. runningShown: the Channels panel
    // shows the running month's newest values.
    void Update(const TCommBase* comm, TfmChildAct* running, TChannelPanel* panel,
                bool runningShown);

    QLabel* label;

private:
    const TEnv& FEnv;
};
