#pragma once

#include <QDockWidget>

class QPushButton;
class QTableWidget;
class TAlarmEvaluator;

// The docked "Alarms" panel: the active alarms and the recent ones, newest
// first, with the button that acknowledges those not yet acknowledged.
class TAlarmPanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int ColRaised = 0;
    static constexpr int ColCleared = 1;
    static constexpr int ColChannel = 2;
    static constexpr int ColKind = 3;
    static constexpr int ColLimit = 4;
    static constexpr int ColPeak = 5;
    static constexpr int ColAcknowledged = 6;
    // How many alarms the panel lists at most.
    static constexpr int MaxRows = 200;

    explicit TAlarmPanel(QWidget* parent = nullptr);

    void ShowAlarms(const TAlarmEvaluator& alarms);

    QTableWidget* tblAlarms = nullptr;
    QPushButton* btnAcknowledge = nullptr;

signals:
    void acknowledgeRequested();
};
