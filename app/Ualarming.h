#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QMainWindow;
class TAlarmEvaluator;
class TAlarmPanel;
struct AlarmLogEntry;
struct TEnv;

// Alarms inside the program: the evaluator the running month's acquisition
// feeds, the docked Alarms panel, the red status-bar indicator while an
// alarm waits for its acknowledgement, and a beep and a desktop
// notification for every new alarm.
class TAlarming : public QObject {
    Q_OBJECT
public:
    // Its panel, indicator and action belong to the window; the main window
    // owns this object.
    TAlarming(const TEnv& env, QMainWindow* window);
    ~TAlarming() override;

    // Reads the limits and takes the state over from the log.
    void Start();
    void ReloadLimits();
    // A viewer's: takes the alarms over from the log when it changed on
    // disk (the service beside it evaluates and logs them).
    void FollowLog();
    // Acknowledges every alarm not yet acknowledged in the operator's name.
    void Acknowledge(const QString& by);

    TAlarmEvaluator* Evaluator() const { return FEvaluator.get(); }
    TAlarmPanel* Panel() const { return FPanel; }
    QLabel* Indicator() const { return FIndicator; }
    QAction* AcknowledgeAction() const { return FAcknowledge; }

    // The text of a new alarm, for the notification.
    static QString RaisedText(const AlarmLogEntry& e);

signals:
    // The alarms changed: the Channels panel shows the new states.
    void changed();
    // The panel's button or the keyboard asked for an acknowledgement.
    void acknowledgeRequested();

private:
    void Event(const AlarmLogEntry& e);
    void Show();
    // org.freedesktop.Notifications where a session bus answers, else the
    // status bar.
    void Notify(const QString& text);

    const TEnv& FEnv;
    QMainWindow* FWindow;
    std::unique_ptr<TAlarmEvaluator> FEvaluator;
    TAlarmPanel* FPanel = nullptr;
    QLabel* FIndicator = nullptr;
    QAction* FAcknowledge = nullptr;
    QString FLogStamp; // size and time of the log as last taken over
};
