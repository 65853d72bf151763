#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;
class TCommBase;
struct TEnv;

// The unit's system information: firmware, clock and waiting records (the
// last two read again every second while shown), and the setting of its
// clock from a date and time that follow the PC clock until the user edits
// them.
class TfmACQInfo : public QDialog {
    Q_OBJECT
public:
    TfmACQInfo(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);

    QLabel* lblVersion;
    QLabel* lblTime;
    QLabel* lblCount;
    QDateEdit* edtDate;
    QTimeEdit* edtTime;
    QPushButton* btnSetDate;
    QPushButton* Button2;
    QTimer* Timer1;

    // True once the user changed a picker: they stop following the PC clock.
    bool PickersEdited() const { return FEdited; }

public slots:
    void Timer1Timer();
    void btnSetDateClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ReadUnit();
    void FollowPcClock();

    const TEnv& FEnv;
    TCommBase& FComm;
    bool FEdited = false;
    bool FFollowing = false; // the pickers are being set from the PC clock
    bool FReading = false;   // a reading of the unit is under way
};

extern TfmACQInfo* fmACQInfo;

// The system-information command: the dialog, modal, destroyed afterwards.
void RunACQInfo(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);
