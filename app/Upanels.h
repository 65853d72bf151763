#pragma once

class QLabel;
class QMainWindow;
class TAlarmEvaluator;
class TChannelPanel;
class TfmChildBase;
class TRangePanel;
struct MonthDocument;

// The "Channels" and "Range" panels docked in the main window and the
// status bar's range line: they show what the active diagram window shows.
class TPanels {
public:
    explicit TPanels(QMainWindow* window);

    // The window w (null: none) and the alarm states (null: none).
    void ShowWindow(TfmChildBase* w, const TAlarmEvaluator* alarms);
    void ShowAlarmStatus(const TAlarmEvaluator* alarms);
    // The minute under the cursor line of the active window.
    void ShowCursor(MonthDocument& document, int slot);
    // The active window w's data changed.
    void ShowData(TfmChildBase* w);

    TChannelPanel* Channels() const { return FChannels; }
    TRangePanel* Range() const { return FRange; }

private:
    // The running month's panel shows the newest values while no cursor
    // line reads another minute.
    void ShowNewestValues(TfmChildBase* w);

    TChannelPanel* FChannels = nullptr;
    TRangePanel* FRange = nullptr;
    QLabel* FRangeStatus = nullptr;
};
