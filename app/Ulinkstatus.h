#pragma once

class QLabel;
class QStatusBar;
class TChannelPanel;
class TfmChildAct;
struct LinkReport;

// The unit link in the status bar at all times, coloured, and the marks of
// stale values on the running window and the Channels panel.
class TLinkStatus {
public:
    explicit TLinkStatus(QStatusBar* bar);

    // After every tick of the main timer, with the link as the acquisition
    // service reports it. runningShown: the Channels panel shows the running
    // month's newest values.
    void Update(LinkReport link, TfmChildAct* running, TChannelPanel* panel, bool runningShown);

    QLabel* label;
};
